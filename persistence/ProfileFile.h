// SPDX-License-Identifier: GPL-3.0-or-later
// An INI file held line by line, read as the classic private-profile service reads it, rewritten in place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

// Section and key names compare without regard to case. A value loses the spaces around it and one pair of
// matching quotes. Of two equal keys in a section (or two equal sections) the first counts. Lines that are
// not understood, comments and everything a write does not name are kept byte for byte, in place.
class ProfileFile {
public:
    ProfileFile() = default;
    // Never fails: any byte sequence is a file; what cannot be read as a section or key is kept as text.
    static ProfileFile Parse(std::string_view bytes);
    std::string Serialize() const;

    bool HasSection(std::string_view section) const;
    // The value as the reader sees it, or nothing when the section or key is missing.
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
    // A flag is an integer; any non-zero number is true.
    bool ReadFlag(std::string_view section, std::string_view key, bool fallback) const;

    // Replaces the key's line where it stands, or adds the key at the end of its section, or adds the
    // section at the end of the file. Line breaks in the value become spaces; a value that would read back
    // differently (outer spaces, outer quotes) is written in double quotes.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Decimal with optional sign, or hexadecimal after "$", "x", "X", "0x", "0X" (no sign, up to 32 bits,
    // taken as the two's complement bit pattern). Anything else, or out of range, gives nothing.
    static std::optional<std::int32_t> ParseInteger(std::string_view text);
    // The value part of a line as read: trimmed, then one pair of matching quotes removed.
    static std::string_view CleanValue(std::string_view raw);

private:
    enum class Kind { Other, Section, Key };
    struct Parsed {
        Kind kind = Kind::Other;
        std::string_view name;   // section or key name, trimmed
        std::string_view value;  // raw value after '=', untrimmed
    };
    // One line and what it reads as, worked out once so that every lookup is a plain comparison.
    struct Line {
        Line(std::string lineText, std::string lineEnding);
        std::string_view Name() const { return std::string_view(text).substr(nameBegin, nameSize); }
        std::string_view Value() const { return std::string_view(text).substr(valueBegin); }

        std::string text;    // without its line ending
        std::string ending;  // "\r\n", "\n" or "" (the last line of a file without a final break)
        Kind kind = Kind::Other;
        std::size_t nameBegin = 0;
        std::size_t nameSize = 0;
        std::size_t valueBegin = 0;
    };
    static Parsed Classify(std::string_view text);
    // Index of the first line of the first section of that name, or npos.
    std::size_t FindSection(std::string_view section) const;
    // Index of the first line of that key inside the section starting at sectionLine, or npos.
    std::size_t FindKey(std::size_t sectionLine, std::string_view key) const;
    std::string NewLine() const;

    std::vector<Line> lines_;
};

}  // namespace zorvik
