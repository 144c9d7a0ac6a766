// SPDX-License-Identifier: GPL-3.0-or-later
// An INI file read as the classic private-profile service reads it, indexed once, rewritten in place.
#include "persistence/ProfileFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace zorvik {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool IsLineEnd(char c)
{
    return c == '\n' || c == '\r';
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

// FNV-1a over the lower-cased name, finished with the mix of splitmix64 so that every bit of the result
// depends on every byte. Keys are hashed with their section's number as the seed.
std::uint64_t HashName(std::string_view name, std::uint64_t seed)
{
    std::uint64_t h = 14695981039346656037ull ^ (seed * 0x9E3779B97F4A7C15ull);
    for (char c : name) {
        h ^= static_cast<unsigned char>(LowerAscii(c));
        h *= 1099511628211ull;
    }
    h ^= h >> 30;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 27;
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 31);
}

std::uint64_t SectionHash(std::string_view name)
{
    return HashName(name, 0);
}

std::uint64_t KeyHash(std::size_t section, std::string_view key)
{
    return HashName(key, section + 1);
}

// The lines of a text, each without its line end. A line ends at CR LF, LF or a lone CR; a text that ends
// with a line end has no empty line after it.
class LineWalker {
public:
    explicit LineWalker(std::string_view text, std::size_t from = 0)
        : pos_(text.data() + from), end_(text.data() + text.size()), lf_(pos_)
    {
    }

    // The next line; empty lines are passed over when asked, as the reader has no use for them.
    bool Next(std::string_view& line, bool skipEmpty = false)
    {
        if (skipEmpty) {
            while (pos_ < end_ && IsLineEnd(*pos_))
                ++pos_;
        }
        if (pos_ >= end_) return false;
        // Short lines are looked at byte by byte; a long one is left to memchr. The next LF is remembered
        // until it is passed, and a CR is only looked for before it, so every byte is searched once.
        const char* stop = pos_;
        const char* near = pos_ + std::min<std::ptrdiff_t>(end_ - pos_, 64);
        while (stop < near && !IsLineEnd(*stop))
            ++stop;
        if (stop == near && stop < end_) {
            if (lf_ < stop) {
                const void* lf = std::memchr(stop, '\n', static_cast<std::size_t>(end_ - stop));
                lf_ = lf != nullptr ? static_cast<const char*>(lf) : end_;
            }
            const void* cr = std::memchr(stop, '\r', static_cast<std::size_t>(lf_ - stop));
            stop = cr != nullptr ? static_cast<const char*>(cr) : lf_;
        }
        line = std::string_view(pos_, static_cast<std::size_t>(stop - pos_));
        pos_ = stop;
        if (pos_ < end_) pos_ += (*pos_ == '\r' && pos_ + 1 < end_ && pos_[1] == '\n') ? 2 : 1;
        return true;
    }
    // Just past the line end of the line returned last.
    const char* Position() const { return pos_; }

private:
    const char* pos_;
    const char* end_;
    const char* lf_;  // the next LF at or after the last search, or the end when there is none
};

// Estimates how many different hashes it was shown, within a few per cent, in one kilobyte (HyperLogLog
// with 1024 registers).
class DistinctCounter {
public:
    void Add(std::uint64_t hash)
    {
        const std::size_t index = static_cast<std::size_t>(hash >> 54);
        // The guard bit keeps the rank at 55 or below when the remaining bits are all zero.
        const int rank = std::countl_zero((hash << 10) | (1ull << 9)) + 1;
        registers_[index] = std::max(registers_[index], static_cast<std::uint8_t>(rank));
    }
    std::size_t Estimate() const
    {
        constexpr double m = 1024;
        double sum = 0;
        int zeros = 0;
        for (const std::uint8_t r : registers_) {
            sum += std::ldexp(1.0, -r);
            zeros += r == 0;
        }
        double estimate = 0.7213 / (1 + 1.079 / m) * m * m / sum;
        // Few values leave registers empty; counting those is more exact there.
        if (estimate <= 2.5 * m && zeros > 0) estimate = m * std::log(m / zeros);
        return static_cast<std::size_t>(estimate);
    }

private:
    std::array<std::uint8_t, 1024> registers_{};
};

}  // namespace

std::size_t ProfileFile::NameTable::SlotsFor(std::size_t names)
{
    return std::max<std::size_t>(8, names + names / 3 + 1);
}

void ProfileFile::NameTable::Reserve(std::size_t expected, std::size_t most)
{
    slots_.assign(SlotsFor(std::min(expected, most)), Name{});
    mostSlots_ = SlotsFor(most);
    used_ = 0;
}

std::size_t ProfileFile::NameTable::Home(std::uint64_t hash) const
{
    return static_cast<std::size_t>((static_cast<unsigned __int128>(hash) * slots_.size()) >> 64);
}

template <typename Matches>
const ProfileFile::Name* ProfileFile::NameTable::Find(std::uint64_t hash, Matches matches) const
{
    if (slots_.empty()) return nullptr;
    for (std::size_t i = Home(hash);; i = (i + 1 == slots_.size()) ? 0 : i + 1) {
        const Name& slot = slots_[i];
        if (slot.offset == 0) return nullptr;
        if (matches(slot)) return &slot;
    }
}

template <typename Matches, typename HashOf>
bool ProfileFile::NameTable::AddIfNew(std::uint64_t hash, Name name, Matches matches, HashOf hashOf)
{
    for (std::size_t i = Home(hash);; i = (i + 1 == slots_.size()) ? 0 : i + 1) {
        if (slots_[i].offset != 0) {
            if (matches(slots_[i])) return false;
            continue;
        }
        if ((used_ + 1) * 4 <= slots_.size() * 3) {
            slots_[i] = name;
            ++used_;
            return true;
        }
        // More names than the first pass foresaw: twice the room, but never more than all the names it
        // counted can need, and every name moved to its new place.
        std::vector<Name> old(std::min(slots_.size() * 2, mostSlots_));
        old.swap(slots_);
        for (const Name& moved : old) {
            if (moved.offset == 0) continue;
            std::size_t j = Home(hashOf(moved));
            while (slots_[j].offset != 0)
                j = (j + 1 == slots_.size()) ? 0 : j + 1;
            slots_[j] = moved;
        }
        i = Home(hash);
        while (slots_[i].offset != 0)
            i = (i + 1 == slots_.size()) ? 0 : i + 1;
        slots_[i] = name;
        ++used_;
        return true;
    }
}

ProfileFile ProfileFile::Parse(std::string bytes)
{
    ProfileFile file;
    file.text_ = std::move(bytes);
    std::string_view text = file.text_;
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        text = text.substr(0, std::numeric_limits<std::uint32_t>::max());

    // The first pass estimates how many different names there are, so that the table is sized once for
    // them: a file of one key repeated a million times needs one entry, not a million. Keys are told apart by
    // the name of their section here, which is what the second pass does for the first section of a name.
    std::size_t names = 0;
    DistinctCounter distinct;
    std::uint64_t sectionHash = 0;
    std::string_view line;
    for (LineWalker lines(text); lines.Next(line, true);) {
        const Parsed parsed = Classify(line);
        if (parsed.kind == Kind::Section) {
            sectionHash = SectionHash(parsed.name);
            distinct.Add(sectionHash);
        } else if (parsed.kind == Kind::Key) {
            distinct.Add(HashName(parsed.name, sectionHash));
        } else {
            continue;
        }
        ++names;
    }
    // A margin over the estimate's error; the table grows in the rare case it falls short.
    file.names_.Reserve(distinct.Estimate() + distinct.Estimate() / 8 + 16, names);

    const auto hashOf = [&file](const Name& name) {
        const std::string_view text = file.NameText(name);
        if (IsSection(name)) return SectionHash(text);
        const auto after = std::upper_bound(file.sections_.begin(), file.sections_.end(), name.offset);
        return KeyHash(static_cast<std::size_t>(after - file.sections_.begin()) - 1, text);
    };
    bool indexing = false;  // inside the first section of its name
    for (LineWalker lines(text); lines.Next(line, true);) {
        const Parsed parsed = Classify(line);
        if (parsed.kind == Kind::Other) continue;
        const bool section = parsed.kind == Kind::Section;
        if (parsed.name.size() > MaxNameSize) {
            indexing = indexing && !section;
            continue;
        }
        if (!section && !indexing) continue;
        const std::uint64_t hash =
            section ? SectionHash(parsed.name) : KeyHash(file.sections_.size() - 1, parsed.name);
        Name name;
        name.offset = static_cast<std::uint32_t>(parsed.name.data() - text.data());
        name.shape = Shape(parsed.name.size(), section, hash);
        // Only keys of the section being read lie past its name.
        const std::uint32_t after = section ? 0 : file.sections_.back();
        const bool added = file.names_.AddIfNew(
            hash, name,
            [&](const Name& other) {
                return other.shape == name.shape && other.offset > after &&
                       SameName(file.NameText(other), parsed.name);
            },
            hashOf);
        if (section) {
            indexing = added;
            if (added) file.sections_.push_back(name.offset);
        }
    }
    return file;
}

std::uint32_t ProfileFile::Shape(std::size_t size, bool section, std::uint64_t hash)
{
    return static_cast<std::uint32_t>(size) | (static_cast<std::uint32_t>(hash >> 57) << 24) |
           (section ? SectionBit : 0);
}

std::string_view ProfileFile::NameText(const Name& name) const
{
    return std::string_view(text_).substr(name.offset, name.shape & MaxNameSize);
}

std::string ProfileFile::NewLine() const
{
    const std::size_t end = text_.find_first_of("\r\n");
    if (end == std::string::npos || text_[end] == '\n') return "\n";
    return (end + 1 < text_.size() && text_[end + 1] == '\n') ? "\r\n" : "\r";
}

std::string ProfileFile::Serialize() const
{
    // The edits in the order of the text; none overlap, since a replaced line is a key line and an addition
    // goes in before a blank line, a section line or the end.
    struct Splice {
        std::uint32_t begin;
        std::uint32_t end;
        const Replacement* replacement;
        const Addition* addition;
    };
    std::vector<Splice> splices;
    std::size_t size = text_.size();
    for (const auto& [offset, r] : replaced_) {
        splices.push_back({r.lineBegin, r.lineEnd, &r, nullptr});
        size += r.text.size();
    }
    for (const auto& [index, a] : added_) {
        splices.push_back({a.at, a.at, nullptr, &a});
        for (const std::string& line : a.lines)
            size += line.size() + 2;
    }
    for (const NewSection& s : appended_) {
        size += s.header.size() + 6;
        for (const std::string& line : s.lines)
            size += line.size() + 2;
    }
    std::sort(splices.begin(), splices.end(),
              [](const Splice& a, const Splice& b) { return a.begin < b.begin; });

    const std::string newline = NewLine();
    std::string out;
    out.reserve(size);
    std::size_t pos = 0;
    for (const Splice& s : splices) {
        out.append(text_, pos, s.begin - pos);
        if (s.replacement != nullptr) {
            out += s.replacement->text;
        } else {
            // A section whose last line is the file's unfinished last line gets that line ended first.
            if (s.begin == text_.size() && !IsLineEnd(text_.back())) out += newline;
            for (const std::string& line : s.addition->lines) {
                out += line;
                out += newline;
            }
        }
        pos = s.end;
    }
    out.append(text_, pos);

    for (const NewSection& s : appended_) {
        if (!out.empty()) {
            if (!IsLineEnd(out.back())) out += newline;
            // A blank line goes between the last line and the new section, unless there is one already.
            std::size_t end = out.size() - (out.ends_with("\r\n") ? 2 : 1);
            const std::size_t lastBreak = end == 0 ? std::string::npos : out.find_last_of("\r\n", end - 1);
            const std::size_t lastBegin = lastBreak == std::string::npos ? 0 : lastBreak + 1;
            if (!Trim(std::string_view(out).substr(lastBegin, end - lastBegin)).empty()) out += newline;
        }
        out += s.header;
        out += newline;
        for (const std::string& line : s.lines) {
            out += line;
            out += newline;
        }
    }
    return out;
}

ProfileFile::Parsed ProfileFile::Classify(std::string_view line)
{
    Parsed parsed;
    std::string_view t = Trim(line);
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

std::ptrdiff_t ProfileFile::FindSection(std::string_view section) const
{
    const std::uint64_t hash = SectionHash(section);
    const std::uint32_t shape = Shape(section.size(), true, hash);
    const Name* found = names_.Find(
        hash, [&](const Name& name) { return name.shape == shape && SameName(NameText(name), section); });
    if (found == nullptr) return -1;
    return std::lower_bound(sections_.begin(), sections_.end(), found->offset) - sections_.begin();
}

const ProfileFile::Name* ProfileFile::FindKey(std::size_t section, std::string_view key) const
{
    const std::uint32_t from = sections_[section];
    const std::uint32_t to =
        section + 1 < sections_.size() ? sections_[section + 1] : std::numeric_limits<std::uint32_t>::max();
    const std::uint64_t hash = KeyHash(section, key);
    const std::uint32_t shape = Shape(key.size(), false, hash);
    return names_.Find(hash, [&](const Name& name) {
        return name.shape == shape && name.offset > from && name.offset < to && SameName(NameText(name), key);
    });
}

std::ptrdiff_t ProfileFile::FindNewSection(std::string_view section) const
{
    for (std::size_t i = 0; i < appended_.size(); ++i) {
        const Parsed parsed = Classify(appended_[i].header);
        if (parsed.kind == Kind::Section && SameName(parsed.name, section))
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::optional<std::string> ProfileFile::ValueIn(const std::vector<std::string>& lines, std::string_view key)
{
    for (const std::string& line : lines) {
        const Parsed parsed = Classify(line);
        if (parsed.kind == Kind::Key && SameName(parsed.name, key))
            return std::string(CleanValue(parsed.value));
    }
    return std::nullopt;
}

bool ProfileFile::HasSection(std::string_view section) const
{
    return FindSection(section) >= 0 || FindNewSection(section) >= 0;
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
    const std::ptrdiff_t s = FindSection(section);
    if (s < 0) {
        const std::ptrdiff_t added = FindNewSection(section);
        if (added < 0) return std::nullopt;
        return ValueIn(appended_[static_cast<std::size_t>(added)].lines, key);
    }
    if (const Name* name = FindKey(static_cast<std::size_t>(s), key)) {
        if (const auto r = replaced_.find(name->offset); r != replaced_.end())
            return ValueIn({r->second.text}, key);
        // The value runs from the '=' after the name to the end of the line.
        const std::size_t eq = text_.find('=', name->offset + NameText(*name).size());
        const std::size_t end = std::min(text_.find_first_of("\r\n", eq), text_.size());
        return std::string(CleanValue(std::string_view(text_).substr(eq + 1, end - eq - 1)));
    }
    if (const auto a = added_.find(static_cast<std::size_t>(s)); a != added_.end())
        return ValueIn(a->second.lines, key);
    return std::nullopt;
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

std::uint32_t ProfileFile::EndOfSection(std::size_t section) const
{
    // Past the section's own line, then past every non-blank line up to the next section line.
    std::string_view line;
    LineWalker lines(text_, sections_[section]);
    lines.Next(line);
    const char* end = lines.Position();
    while (lines.Next(line)) {
        if (Classify(line).kind == Kind::Section) break;
        if (!Trim(line).empty()) end = lines.Position();
    }
    return static_cast<std::uint32_t>(end - text_.data());
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

    // Replaces the first of the added lines that holds the key, or adds one.
    const auto setIn = [&](std::vector<std::string>& lines) {
        for (std::string& line : lines) {
            const Parsed parsed = Classify(line);
            if (parsed.kind == Kind::Key && SameName(parsed.name, key)) {
                line = std::move(text);
                return;
            }
        }
        lines.push_back(std::move(text));
    };

    const std::ptrdiff_t s = FindSection(section);
    if (s < 0) {
        std::ptrdiff_t added = FindNewSection(section);
        if (added < 0) {
            added = static_cast<std::ptrdiff_t>(appended_.size());
            appended_.push_back({"[" + std::string(section) + "]", {}});
        }
        setIn(appended_[static_cast<std::size_t>(added)].lines);
        return;
    }

    if (const Name* name = FindKey(static_cast<std::size_t>(s), key)) {
        auto [r, isNew] = replaced_.try_emplace(name->offset);
        if (isNew) {
            // The whole line goes, leading spaces and byte order mark included; its line end stays.
            std::size_t lineBegin = name->offset;
            while (lineBegin > 0 && !IsLineEnd(text_[lineBegin - 1]))
                --lineBegin;
            r->second.lineBegin = static_cast<std::uint32_t>(lineBegin);
            r->second.lineEnd =
                static_cast<std::uint32_t>(std::min(text_.find_first_of("\r\n", name->offset), text_.size()));
        }
        r->second.text = std::move(text);
        return;
    }

    auto [a, isNew] = added_.try_emplace(static_cast<std::size_t>(s));
    if (isNew) a->second.at = EndOfSection(static_cast<std::size_t>(s));
    setIn(a->second.lines);
}

}  // namespace zorvik
