// SPDX-License-Identifier: GPL-3.0-or-later
// An INI file held line by line, read as the classic private-profile service reads it, rewritten in place.
#include "persistence/ProfileFile.h"

#include <cstdint>

namespace zorvik {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

ProfileFile::Line::Line(std::string lineText, std::string lineEnding)
    : text(std::move(lineText)), ending(std::move(lineEnding)), valueBegin(text.size())
{
    const Parsed parsed = Classify(text);
    kind = parsed.kind;
    if (kind == Kind::Other) return;
    nameBegin = static_cast<std::size_t>(parsed.name.data() - text.data());
    nameSize = parsed.name.size();
    if (kind == Kind::Key) valueBegin = static_cast<std::size_t>(parsed.value.data() - text.data());
}

ProfileFile ProfileFile::Parse(std::string_view bytes)
{
    ProfileFile file;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        if (end == std::string_view::npos) {
            file.lines_.emplace_back(std::string(bytes), "");
            break;
        }
        std::string_view text = bytes.substr(0, end);
        const bool crlf = !text.empty() && text.back() == '\r';
        if (crlf) text.remove_suffix(1);
        file.lines_.emplace_back(std::string(text), crlf ? "\r\n" : "\n");
        bytes.remove_prefix(end + 1);
    }
    return file;
}

std::string ProfileFile::Serialize() const
{
    std::size_t size = 0;
    for (const Line& line : lines_)
        size += line.text.size() + line.ending.size();
    std::string out;
    out.reserve(size);
    for (const Line& line : lines_) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

ProfileFile::Parsed ProfileFile::Classify(std::string_view text)
{
    Parsed parsed;
    std::string_view t = Trim(text);
    // Editors that save UTF-8 with a byte order mark put it before the first section's bracket.
    if (t.starts_with("\xEF\xBB\xBF")) t = Trim(t.substr(3));
    if (t.empty() || t.front() == ';') return parsed;
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        if (close == std::string_view::npos) return parsed;
        parsed.kind = Kind::Section;
        parsed.name = Trim(t.substr(1, close - 1));
        return parsed;
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return parsed;
    const std::string_view key = Trim(t.substr(0, eq));
    if (key.empty()) return parsed;
    parsed.kind = Kind::Key;
    parsed.name = key;
    parsed.value = t.substr(eq + 1);
    return parsed;
}

std::size_t ProfileFile::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && SameName(lines_[i].Name(), section)) return i;
    }
    return std::string::npos;
}

std::size_t ProfileFile::FindKey(std::size_t sectionLine, std::string_view key) const
{
    for (std::size_t i = sectionLine + 1; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section) break;
        if (lines_[i].kind == Kind::Key && SameName(lines_[i].Name(), key)) return i;
    }
    return std::string::npos;
}

bool ProfileFile::HasSection(std::string_view section) const
{
    return FindSection(section) != std::string::npos;
}

std::string_view ProfileFile::CleanValue(std::string_view raw)
{
    std::string_view v = Trim(raw);
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'')) {
        v = v.substr(1, v.size() - 2);
    }
    return v;
}

std::optional<std::string> ProfileFile::ReadString(std::string_view section, std::string_view key) const
{
    const std::size_t s = FindSection(section);
    if (s == std::string::npos) return std::nullopt;
    const std::size_t k = FindKey(s, key);
    if (k == std::string::npos) return std::nullopt;
    return std::string(CleanValue(lines_[k].Value()));
}

std::optional<std::int32_t> ProfileFile::ParseInteger(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.empty()) return std::nullopt;

    bool hex = false;
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;

    if (hex) {
        std::uint64_t value = 0;
        for (char c : text) {
            const int d = HexDigit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(d);
            if (value > 0xFFFFFFFFull) return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t fallback) const
{
    const std::optional<std::string> text = ReadString(section, key);
    if (!text) return fallback;
    return ParseInteger(*text).value_or(fallback);
}

bool ProfileFile::ReadFlag(std::string_view section, std::string_view key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::string ProfileFile::NewLine() const
{
    for (const Line& line : lines_) {
        if (!line.ending.empty()) return line.ending;
    }
    return "\n";
}

void ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    // A line break in a value would end the line early and let the rest pose as keys of its own.
    std::string v(value);
    for (char& c : v) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    if (CleanValue(v) != std::string_view(v)) v = '"' + v + '"';
    std::string text = std::string(key) + "=" + v;
    const std::string newline = NewLine();

    const std::size_t s = FindSection(section);
    if (s == std::string::npos) {
        if (!lines_.empty()) {
            if (lines_.back().ending.empty()) lines_.back().ending = newline;
            if (!Trim(lines_.back().text).empty()) lines_.emplace_back("", newline);
        }
        lines_.emplace_back("[" + std::string(section) + "]", newline);
        lines_.emplace_back(std::move(text), newline);
        return;
    }

    const std::size_t k = FindKey(s, key);
    if (k != std::string::npos) {
        lines_[k] = Line(std::move(text), lines_[k].ending);
        return;
    }

    // Add after the last non-blank line of the section, so the blank line before the next section stays
    // there.
    std::size_t last = s;
    for (std::size_t i = s + 1; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section) break;
        if (!Trim(lines_[i].text).empty()) last = i;
    }
    if (lines_[last].ending.empty()) lines_[last].ending = newline;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), Line(std::move(text), newline));
}

}  // namespace zorvik
