// SPDX-License-Identifier: GPL-3.0-or-later
// The profile-file rules: how a hand-edited or Windows-written INI file reads, and how a write changes it.
#include "persistence/ProfileFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

using zorvik::ProfileFile;
using namespace std::string_literals;

namespace {

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

TEST(ProfileFileRead, FollowsTheRulesOfTheProfileService)
{
    const ReadCase cases[] = {
        {"CR LF endings", "[Game]\r\nCredits=5\r\nBorrowed=6\r\n", "Game", "Credits", "5"},
        {"LF endings", "[Game]\nCredits=5\nBorrowed=6\n", "Game", "Borrowed", "6"},
        {"section and key names ignore case", "[currentGAME]\r\ncREDITS=5\r\n", "CurrentGame", "Credits",
         "5"},
        {"spaces around key and value trimmed", "[S]\n   K   =   a b   \n", "S", "K", "a b"},
        {"tabs trimmed too", "[S]\n\tK\t=\tv\t\n", "S", "K", "v"},
        {"spaces inside the brackets", "[  S  ]\nK=1\n", "S", "K", "1"},
        {"text after the closing bracket", "[S] ; the first slot\nK=1\n", "S", "K", "1"},
        {"double quotes removed", "[S]\nK=\"a b\"\n", "S", "K", "a b"},
        {"single quotes removed", "[S]\nK='a b'\n", "S", "K", "a b"},
        {"spaces inside quotes kept", "[S]\nK= \"  a  \" \n", "S", "K", "  a  "},
        {"only one pair of quotes removed", "[S]\nK=\"\"a\"\"\n", "S", "K", "\"a\""},
        {"mismatched quotes kept", "[S]\nK=\"a'\n", "S", "K", "\"a'"},
        {"a lone quote kept", "[S]\nK=\"\n", "S", "K", "\""},
        {"quotes inside the value kept", "[S]\nK=a\"b\"\n", "S", "K", "a\"b\""},
        {"an equals sign inside the value", "[S]\nK=a=b\n", "S", "K", "a=b"},
        {"a semicolon after the value is part of it", "[S]\nK=5 ; five\n", "S", "K", "5 ; five"},
        {"empty value is present and empty", "[S]\nK=\n", "S", "K", ""},
        {"first of two equal keys counts", "[S]\nK=1\nk=2\n", "S", "K", "1"},
        {"first of two equal sections counts", "[S]\nK=1\n[s]\nK=2\n", "S", "K", "1"},
        {"a later section of the same name is not searched", "[S]\nA=1\n[s]\nK=2\n", "S", "K", std::nullopt},
        {"truncated last line still reads", "[S]\nK=12", "S", "K", "12"},
        {"a key of another section is not seen", "[A]\nK=1\n[B]\nX=2\n", "B", "K", std::nullopt},
        {"a key before any section belongs to none", "K=1\n[S]\n", "S", "K", std::nullopt},
        {"a commented key is not a key", "[S]\n;K=1\n  ; K=2\n", "S", "K", std::nullopt},
        {"an unclosed bracket is not a section", "[S\nK=1\n", "S", "K", std::nullopt},
        {"a line without equals is skipped", "[S]\nrubbish\nK=3\n", "S", "K", "3"},
        {"missing section", "[S]\nK=1\n", "T", "K", std::nullopt},
        {"junk bytes and invalid UTF-8 around a readable key",
         "\xff\xfe\x00junk\n[S]\r\n\x01\x02\x03\nK=\xc3\x28 x\n"s, "S", "K", "\xc3\x28 x"},
        {"old Mac line breaks end lines", "[S]\rK=1\r", "S", "K", "1"},
        {"CR LF, LF and lone CR mixed", "[T]\r\nA=0\n[S]\rK=1\nL=2\r\n", "S", "K", "1"},
        {"a lone CR ends the value before it", "[S]\nK=1\rJ=2\n", "S", "K", "1"},
        {"a byte order mark before the first section", "\xEF\xBB\xBF[S]\r\nK=1\r\n", "S", "K", "1"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProfileFile file = ProfileFile::Parse(c.file);
        EXPECT_EQ(file.ReadString(c.section, c.key), c.expected);
    }
}

TEST(ProfileFileRead, ParsesIntegersLikeTheGame)
{
    const struct {
        const char* text;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {"0", 0},
        {"31", 31},
        {"+5", 5},
        {"-5", -5},
        {"   7", 7},
        {"000000000000000000012", 12},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"x1F", 31},
        {"X1f", 31},
        {"$7FFFFFFF", INT32_MAX},
        {"0xFFFFFFFF", -1},
        {"0x0000000000FF", 255},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"0x100000000", std::nullopt},
        {"12abc", std::nullopt},
        {"1.5", std::nullopt},
        {"1 2", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+ 5", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"-0x1F", std::nullopt},
        {"$-1", std::nullopt},
        {"0x1G", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        EXPECT_EQ(ProfileFile::ParseInteger(c.text), c.expected);
    }
}

struct WriteCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

TEST(ProfileFileWrite, ChangesOnlyWhatItNames)
{
    const WriteCase cases[] = {
        {"replaces the line where it stands, keeping CR LF, comments and unknown lines",
         "; saved games\r\n[S]\r\nA=1\r\n; note\r\nK=old\r\nodd line\r\nZ=9\r\n\r\n[T]\r\nK=t\r\n", "S", "K",
         "new", "; saved games\r\n[S]\r\nA=1\r\n; note\r\nK=new\r\nodd line\r\nZ=9\r\n\r\n[T]\r\nK=t\r\n"},
        {"a mixed-case key is replaced, not added twice", "[currentgame]\ncredits = 5\n", "CurrentGame",
         "Credits", "7", "[currentgame]\nCredits=7\n"},
        {"only the first of two equal keys is replaced", "[S]\nK=1\nK=2\n", "S", "K", "3", "[S]\nK=3\nK=2\n"},
        {"adds the key after the section's last line, before the blank line", "[S]\nA=1\n\n[T]\nB=2\n", "S",
         "K", "v", "[S]\nA=1\nK=v\n\n[T]\nB=2\n"},
        {"adds to the first of two equal sections", "[S]\nA=1\n[S]\nB=2\n", "s", "K", "v",
         "[S]\nA=1\nK=v\n[S]\nB=2\n"},
        {"adds the section at the end, after a blank line", "[S]\r\nA=1\r\n", "T", "K", "v",
         "[S]\r\nA=1\r\n\r\n[T]\r\nK=v\r\n"},
        {"ends a truncated last line before adding", "[S]\nA=1", "T", "K", "v", "[S]\nA=1\n\n[T]\nK=v\n"},
        {"ends a truncated last line of the section", "[S]\nA=1", "S", "K", "v", "[S]\nA=1\nK=v\n"},
        {"starts an empty file", "", "T", "K", "v", "[T]\nK=v\n"},
        {"keeps a byte order mark and replaces the key under it", "\xEF\xBB\xBF[S]\nK=1\n", "S", "K", "2",
         "\xEF\xBB\xBF[S]\nK=2\n"},
        {"keys before the first section stay", "loose=1\n", "T", "K", "v", "loose=1\n\n[T]\nK=v\n"},
        {"quotes a value that would lose its spaces", "[S]\n", "S", "K", "  v  ", "[S]\nK=\"  v  \"\n"},
        {"a lone-CR file is changed in place, not given a second section", "[S]\rK=5\rA=1\r", "S", "K", "7",
         "[S]\rK=7\rA=1\r"},
        {"a key added to a lone-CR file ends in CR", "[S]\rA=1\r\r[T]\r", "S", "K", "v",
         "[S]\rA=1\rK=v\r\r[T]\r"},
        {"line breaks in a value become spaces", "[S]\n", "S", "K", "a\r\n[S]\nK=b", "[S]\nK=a  [S] K=b\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileFile file = ProfileFile::Parse(c.before);
        file.WriteString(c.section, c.key, c.value);
        EXPECT_EQ(file.Serialize(), c.after);
    }
}

TEST(ProfileFileWrite, EveryValueReadsBackAsWritten)
{
    const std::string values[] = {
        "",    "plain",  "  padded  ",          "\"quoted\"", "'single'", "\"", "'", "a=b", "; not a comment",
        "[S]", "\t tab", "Wochenende \xc3\xa4", "\"'mixed\"'"};
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        ProfileFile file = ProfileFile::Parse("[S]\nOther=1\n");
        file.WriteString("S", "K", value);
        const ProfileFile reread = ProfileFile::Parse(file.Serialize());
        EXPECT_EQ(reread.ReadString("S", "K"), value);
        EXPECT_EQ(reread.ReadString("S", "Other"), "1");
    }
}

}  // namespace
