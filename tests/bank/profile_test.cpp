// The reader against golden files: each file in profiles/ covers one group of rules, and each
// row below states what the program must read from it.

#include "IniModule.h"
#include "bank/temp_dir.h"
#include "files.h"
#include "profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

struct Read {
    const char *file;
    const char *section;
    const char *key;
    std::string expected;
};

std::string repeat(char c, std::size_t n) {
    return std::string(n, c);
}

const std::string Replacement = "\xEF\xBF\xBD";

const Read GoldenReads[] = {
    // Any of CR, LF, CRLF or a run of them ends a line; the last line needs no end.
    {"line_ends.ini", "s", "cr", "1"},
    {"line_ends.ini", "s", "crlf", "2"},
    {"line_ends.ini", "s", "runs", "3"},
    {"line_ends.ini", "s", "lf_cr", "4"},
    {"line_ends.ini", "s", "last", "5"},
    // Space, tab and vertical tab are trimmed; the ideographic space is not a blank.
    {"blanks.ini", "s", "key", "a b"},
    {"blanks.ini", "  s  ", "  key ", "a b"},
    {"blanks.ini", "\ts", "key", ""},
    {"blanks.ini", "s", "ideographic", "\u3000x\u3000"},
    {"blanks.ini", "s", "tabbed", "1"},
    // Sections: whole trimmed name, ASCII case ignored, first of a name only, no inheritance.
    {"sections.ini", "SEC3", "bun", "three"},
    {"sections.ini", "SEC 3", "bun", "spaced"},
    {"sections.ini", "sec3", "other", ""},
    {"sections.ini", "SEC2", "bun", ""},
    {"sections.ini", "SEC2", "ans", "2"},
    {"sections.ini", "", "k", "empty name"},
    {"sections.ini", "", "before", ""},
    {"sections.ini", "open", "k", "unclosed"},
    {"sections.ini", "closed", "k", "closed"},
    {"sections.ini", "COUNT", "ALL", "7"},
    {"count_misplaced.ini", "COUNT", "ALL", ""},
    // Keys: first '=' splits, a key without '=' hides later ones, first key wins, ';' comments.
    {"keys.ini", "k", "a", "1=2"},
    {"keys.ini", "k", "novalue", ""},
    {"keys.ini", "k", "", "empty name"},
    {"keys.ini", "k", "dup", "first"},
    {"keys.ini", "k", "comment", ""},
    {"keys.ini", "k", ";indented", ""},
    {"keys.ini", "k", "#hash", "ordinary"},
    {"keys.ini", "k", "semi", "a;b"},
    {"keys.ini", "k", "CASE", "upper"},
    {"keys.ini", "k", "spaced key", "v"},
    {"keys.ini", "k", "empty", ""},
    {"keys.ini", "k", "absent", ""},
    // One outer pair of matching quotes goes, after trimming; nothing else.
    {"quotes.ini", "q", "dq", "x"},
    {"quotes.ini", "q", "sq", "x"},
    {"quotes.ini", "q", "mixed", "\"x'"},
    {"quotes.ini", "q", "lone", "\""},
    {"quotes.ini", "q", "pair", ""},
    {"quotes.ini", "q", "inner", "a\"b"},
    {"quotes.ini", "q", "spaced", " a "},
    {"quotes.ini", "q", "outer", "a"},
    {"quotes.ini", "q", "nested", "\"x\""},
    // A NUL ends the value, name or line text that holds it, not the line.
    {"nul_bytes.ini", "n", "val", "ab"},
    {"nul_bytes.ini", "n", "na", ""},
    {"nul_bytes.ini", "n", "after", "ok"},
    {"nul_bytes.ini", "s", "k", "v"},
    // Code page 932, with U+FFFD for each byte that starts no valid character.
    {"cp932.ini", "j", "three", "日本語"},
    {"cp932.ini", "j", "so", "ソ"},
    {"cp932.ini", "j", "lone", "a" + Replacement},
    {"cp932.ini", "j", "next", "b"},
    {"cp932.ini", "j", "bad", "A" + Replacement + " B"},
    {"cp932.ini", "j", "unassigned", "A" + Replacement + "@B"},
    {"cp932.ini", "j", "byte80", "\u0080"}, // as the platform maps it; iconv has no 0x80
    {"cp932.ini", "j", "kana", "ｱ"},
    {"cp932.ini", "j", "wave", "～"},
    {"cp932.ini", "j", "last_lead", Replacement},
    // At most 999 bytes, never half a double-byte character; quotes go before the cut.
    {"long_values.ini", "l", "long", repeat('x', 999)},
    {"long_values.ini", "l", "split", repeat('a', 998)},
    {"long_values.ini", "l", "fits", repeat('a', 997) + "あ"},
    {"long_values.ini", "l", "quoted", repeat('q', 999)},
    // A missing file reads as empty.
    {"absent.ini", "s", "k", ""},
};

class GoldenFile : public testing::TestWithParam<Read> {};

TEST_P(GoldenFile, ReadsTheExpectedValue) {
    quizra::setBankDirectory(QUIZRA_PROFILES_DIR);
    const Read &read = GetParam();
    std::string value = "previous";
    EXPECT_TRUE(IniModule::GetIniString(read.key, read.section, read.file, value));
    EXPECT_EQ(value, read.expected) << read.file << " [" << read.section << "] " << read.key;
}

INSTANTIATE_TEST_SUITE_P(Profiles, GoldenFile, testing::ValuesIn(GoldenReads));

TEST(ProfileValue, TrailBytesThatLookLikeBracketsStayInTheName) {
    // 0x83 0x5D is one character whose second byte is ']'.
    const std::string bytes = "[\x83\x5D]\r\nk=zo\r\n";
    EXPECT_EQ(quizra::profileValue(bytes, "\x83\x5D", "k"), "zo");
    EXPECT_EQ(quizra::profileValue(bytes, "\x83", "k"), "");
}

TEST(ProfileValue, FindsHeadersWhereverTheyFallAmidSecondBytesThatAreBrackets) {
    // ー is 0x81 0x5B. Lines of every length put the headers at every place within the blocks
    // the search takes at once, and each section ends in what would head the next one if a
    // second byte 0x5B were taken for '['.
    std::string bytes;
    for (int n = 0; n < 100; ++n) {
        const std::string next = "S" + std::to_string(n + 1);
        bytes += std::string((n + 1) % 3, ' ') + "[S" + std::to_string(n) + "]\r\nt=";
        for (int i = 0; i < n; ++i)
            bytes += "\x81[";
        bytes += "\x81[" + next + "]\r\nk=" + std::to_string(n) + "\r\n\x81[" + next + "]\r\n";
    }
    for (int n = 0; n < 100; ++n)
        EXPECT_EQ(quizra::profileValue(bytes, "S" + std::to_string(n), "k"), std::to_string(n));
}

TEST(ProfileValue, CaseIsFoldedOnlyForSingleByteLetters) {
    // 0x82 0x60 and 0x82 0x41 differ only in a trail byte that is an ASCII letter.
    const std::string bytes = "[s]\r\n\x82\x60=upper\r\n";
    EXPECT_EQ(quizra::profileValue(bytes, "S", "\x82\x60"), "upper");
    EXPECT_EQ(quizra::profileValue(bytes, "s", "\x82\x41"), "");
}

TEST(ProfileScanner, ReportsKindsLineNumbersAndOffsets) {
    using namespace std::literals;
    quizra::ProfileScanner scanner("[a]\r\n\r\nk = v \r; c\n\nx\0y=z"sv);
    using Kind = quizra::ProfileLine::Kind;
    struct Expected {
        Kind kind;
        std::size_t number, offset;
        std::string_view name, value;
    };
    const Expected expected[] = {
        {Kind::Section, 1, 0, "a", ""}, {Kind::Blank, 2, 5, "", ""},  {Kind::Key, 3, 7, "k", "v"},
        {Kind::Comment, 4, 14, "", ""}, {Kind::Blank, 5, 18, "", ""}, {Kind::Key, 6, 19, "x", ""},
    };
    quizra::ProfileLine line;
    for (const Expected &e : expected) {
        ASSERT_TRUE(scanner.next(line));
        EXPECT_EQ(line.kind, e.kind) << "line " << e.number;
        EXPECT_EQ(line.number, e.number);
        EXPECT_EQ(line.offset, e.offset) << "line " << e.number;
        EXPECT_EQ(line.name, e.name) << "line " << e.number;
        EXPECT_EQ(line.value, e.value) << "line " << e.number;
    }
    EXPECT_FALSE(line.hasEquals); // the reader stops at the NUL, before "=z"
    EXPECT_EQ(line.text, "x\0y=z"sv);
    EXPECT_FALSE(scanner.next(line));
}

TEST(ProfileScanner, FindsEveryLineEndWhateverItsPlaceInTheFile) {
    // Lines of every length from 0 to 150 bytes with every kind of line end, so that ends fall
    // on every position within and across the blocks the scanner searches at once.
    std::mt19937 random(7);
    std::string bytes;
    std::vector<std::pair<std::size_t, std::size_t>> lines; // offset, length
    const char *ends[] = {"\n", "\r", "\r\n"};
    for (std::size_t length = 0; length <= 150; ++length) {
        lines.emplace_back(bytes.size(), length);
        for (std::size_t i = 0; i < length; ++i)
            bytes += static_cast<char>('a' + random() % 26);
        bytes += ends[random() % 3];
    }
    quizra::ProfileScanner scanner(bytes);
    quizra::ProfileLine line;
    for (const auto &[offset, length] : lines) {
        ASSERT_TRUE(scanner.next(line));
        ASSERT_EQ(line.offset, offset) << "line " << line.number;
        ASSERT_EQ(line.text.size(), length) << "line " << line.number;
    }
    EXPECT_FALSE(scanner.next(line));
}

TEST(GetIniString, TakesAFileWhoseNameDiffersOnlyInCase) {
    TempDir dir;
    dir.write("toi1.ini", "[COUNT]\r\nALL=3\r\n");
    quizra::setBankDirectory(dir.str());
    std::string value;
    EXPECT_TRUE(IniModule::GetIniString("ALL", "COUNT", "TOI1.ini", value));
    EXPECT_EQ(value, "3");
}

TEST(GetIniString, PrefersTheExactNameAndRefusesToGuessBetweenTwo) {
    TempDir dir;
    dir.write("Toi1.ini", "[COUNT]\r\nALL=1\r\n");
    dir.write("toi1.ini", "[COUNT]\r\nALL=2\r\n");
    quizra::setBankDirectory(dir.str());
    std::string value;
    EXPECT_TRUE(IniModule::GetIniString("ALL", "COUNT", "toi1.ini", value));
    EXPECT_EQ(value, "2");
    value = "previous";
    EXPECT_TRUE(IniModule::GetIniString("ALL", "COUNT", "TOI1.ini", value));
    EXPECT_EQ(value, "");
}

TEST(GetIniString, ReadsTheFileAnewOnEveryCall) {
    TempDir dir;
    quizra::setBankDirectory(dir.str());
    std::string value;
    dir.write("TOI1.ini", "[COUNT]\r\nALL=1\r\n");
    IniModule::GetIniString("ALL", "COUNT", "TOI1.ini", value);
    dir.write("TOI1.ini", "[COUNT]\r\nALL=2\r\n");
    IniModule::GetIniString("ALL", "COUNT", "TOI1.ini", value);
    EXPECT_EQ(value, "2");
}

TEST(GetIniString, AnUnreadableFileFailsAndLeavesTheValue) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "TOI1.ini");
    quizra::setBankDirectory(dir.str());
    std::string value = "previous";
    EXPECT_FALSE(IniModule::GetIniString("ALL", "COUNT", "TOI1.ini", value));
    EXPECT_EQ(value, "previous");
}

} // namespace
