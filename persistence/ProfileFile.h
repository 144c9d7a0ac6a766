// SPDX-License-Identifier: GPL-3.0-or-later
// An INI file read as the classic private-profile service reads it, indexed once, rewritten in place.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

// Section and key names compare without regard to case. A value loses the spaces around it and one pair of
// matching quotes. Of two equal keys in a section (or two equal sections) the first counts. Lines that are
// not understood, comments and everything a write does not name are kept byte for byte, in place. A line
// ends at CR LF, at LF or at a lone CR, so a file from any editor reads as the lines a person sees.
//
// The bytes are kept whole beside one hash table that points at the first section of each name and the
// first key of each name in such a section: about eleven bytes a name, and nothing for blank, comment or
// repeated lines. A section or key line takes at least three bytes, so a file of n bytes takes n plus at
// most about 3.6 n bytes (twice that for a moment, in the rare case that the table must grow). It is read
// in two linear passes, the first of which sizes the table, and a lookup never rescans it. Writes are kept
// aside and laid into the bytes by Serialize.
class ProfileFile {
public:
    ProfileFile() = default;
    // Never fails: any byte sequence is a file; what cannot be read as a section or key is kept as text.
    // Offsets are 32-bit: of a text beyond 4 GiB only the first 4 GiB are read, the rest is kept.
    static ProfileFile Parse(std::string bytes);
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
    static Parsed Classify(std::string_view line);

    // A name in the text: where it starts, and its shape: its size, whether it names a section, and seven
    // bits of its hash, so that most names that merely share a slot are told apart without reading them.
    // Names never start at offset 0 (a section's follows its bracket, a key before any section is not
    // indexed), so a zero offset marks an empty slot.
    struct Name {
        std::uint32_t offset = 0;
        std::uint32_t shape = 0;
    };
    static constexpr std::uint32_t MaxNameSize = 0xFFFFFF;  // longer names are not indexed
    static constexpr std::uint32_t SectionBit = 0x80000000u;
    static std::uint32_t Shape(std::size_t size, bool section, std::uint64_t hash);
    static bool IsSection(const Name& name) { return (name.shape & SectionBit) != 0; }

    // Open addressing with linear probing, never more than three quarters full.
    class NameTable {
    public:
        // Room for the names expected; never more than the most there can be.
        void Reserve(std::size_t expected, std::size_t most);
        // The first entry for which matches() holds, probing from the hash, or nullptr.
        template <typename Matches> const Name* Find(std::uint64_t hash, Matches matches) const;
        // Adds the name unless an entry matching it is there already; true when added. Should the table
        // fill up, it grows, placing every entry anew by hashOf(entry).
        template <typename Matches, typename HashOf>
        bool AddIfNew(std::uint64_t hash, Name name, Matches matches, HashOf hashOf);

    private:
        static std::size_t SlotsFor(std::size_t names);
        std::size_t Home(std::uint64_t hash) const;
        std::vector<Name> slots_;
        std::size_t mostSlots_ = 0;
        std::size_t used_ = 0;
    };

    // A key line rewritten in place: the bytes [lineBegin, lineEnd) give way to text; the line end stays.
    struct Replacement {
        std::uint32_t lineBegin = 0;
        std::uint32_t lineEnd = 0;
        std::string text;
    };
    // Key lines added to a section of the file, laid in after its last non-blank line.
    struct Addition {
        std::uint32_t at = 0;
        std::vector<std::string> lines;
    };
    // A section that was not in the file, added at its end.
    struct NewSection {
        std::string header;
        std::vector<std::string> lines;
    };

    std::string_view NameText(const Name& name) const;
    // Index into sections_ of the first section of that name in the text, or -1.
    std::ptrdiff_t FindSection(std::string_view section) const;
    const Name* FindKey(std::size_t section, std::string_view key) const;
    // Index into appended_ of the first added section of that name, or -1.
    std::ptrdiff_t FindNewSection(std::string_view section) const;
    // The value of the first of these written lines that holds the key.
    static std::optional<std::string> ValueIn(const std::vector<std::string>& lines, std::string_view key);
    // Offset just past the last non-blank line of the section (and its line end).
    std::uint32_t EndOfSection(std::size_t section) const;
    std::string NewLine() const;

    std::string text_;
    // Offsets of the names of the first section of each name, ascending. A key in the table belongs to the
    // last of them before it.
    std::vector<std::uint32_t> sections_;
    NameTable names_;
    std::map<std::uint32_t, Replacement> replaced_;  // by the offset of the key's name
    std::map<std::size_t, Addition> added_;          // by index into sections_
    std::vector<NewSection> appended_;
};

}  // namespace zorvik
