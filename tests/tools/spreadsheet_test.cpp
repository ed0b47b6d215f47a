// The bank as a spreadsheet: export then build reads back value for value, and every value that
// cannot be written so is refused at its row and column.

#include "bank/temp_dir.h"
#include "bankbuild.h"
#include "bankwrite.h"
#include "diagnostics_match.h"
#include "files.h"
#include "spreadsheet.h"

#include <QStringEncoder>

#include <filesystem>
#include <sstream>

namespace {

using bankcheck::Severity;
constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

std::string cp932(const std::string &utf8) {
    QStringEncoder encoder("windows-31j");
    return QByteArray(encoder(QString::fromStdString(utf8))).toStdString();
}

std::vector<bankread::QuestionFile> readBank(const std::string &directory) {
    quizra::setProgramDirectory(directory);
    std::vector<bankread::QuestionFile> files;
    for (int i = 0; i < 50; ++i)
        files.push_back(bankread::readQuestionFile(i));
    return files;
}

// The reader's corner cases: comments, case, blanks and quotes, repeated sections and keys, a
// key without '=', numbers with text after them, a value cut at 999 bytes, NEC characters and
// a control character; [SEC4] is never drawn.
const std::string CornerCases =
    "; comment\r\n[count]\r\nall=3件\r\n"
    "[SEC1]\r\nBUN=  \"  blanks kept  \"  \r\nbun=repeated\r\nAns1='single'\r\nans2=\"\"x\"\"\r\n"
    "ans3=\"a\"b\"\r\nans4=semi;colon=eq#hash\r\nANS=3番\r\nbmp=\r\ntype=1.0\r\n"
    "[sec2]\r\nbun=①～髙\r\nans1=\"\ttab\t\"\r\nans2\r\nans2=hidden\r\nans3='\r\nans4=x\" \r\n"
    "ans=2.5\r\ntype=2\r\n[SEC2]\r\nbun=repeated section\r\n"
    "[SEC3]\r\nbun=" +
    std::string(998, 'x') +
    "あ\r\nans1=\x1b[2J\r\nans4=d\r\nans=4\r\n"
    "[SEC4]\r\nbun=never drawn\r\n";

TEST(Spreadsheet, BuildOfExportReadsBackValueForValue) {
    for (const bool corners : {false, true}) {
        TempDir original, rebuilt;
        std::filesystem::copy(QUIZRA_SAMPLE_DIR, original.path(),
                              std::filesystem::copy_options::recursive);
        if (corners) original.write("TOI2.ini", cp932(CornerCases));
        const auto before = readBank(original.str());
        std::ostringstream csv;
        spreadsheet::writeHeader(csv);
        for (std::size_t f = 0; f < before.size(); ++f)
            spreadsheet::writeRows(csv, static_cast<int>(f + 1), before[f]);

        const spreadsheet::Build built = spreadsheet::build("bank.csv", csv.str(), original.str());
        expectDiagnostics(built.diagnostics, {});
        // Each section under the spreadsheet row it came from, for the preview to name.
        EXPECT_NE(built.files[0].find("\r\n; row 2\r\n[SEC1]\r\n"), std::string::npos);
        ASSERT_EQ(spreadsheet::writeQuestionFiles(rebuilt.str(), built.files), "");
        const auto after = readBank(rebuilt.str());
        for (std::size_t f = 0; f < before.size(); ++f) {
            EXPECT_EQ(after[f].count, before[f].count) << before[f].name;
            ASSERT_EQ(after[f].entries.size(), before[f].entries.size()) << before[f].name;
            for (std::size_t e = 0; e < before[f].entries.size(); ++e)
                for (std::size_t k = 0; k < 8; ++k) {
                    const auto &was = before[f].entries[e].fields[k];
                    const auto &is = after[f].entries[e].fields[k];
                    // The program holds ans and type as numbers, the rest as text.
                    if (bankread::isNumberKey(was.key))
                        EXPECT_EQ(is.number, was.number) << before[f].name << " " << was.key;
                    else
                        EXPECT_EQ(is.text, was.text) << before[f].name << " " << was.key;
                }
        }
        if (corners) {
            EXPECT_EQ(after[1].entries[0].fields[0].text, "  blanks kept  ");
        }
    }
}

// A spreadsheet of one entry per question; row 2 is question 1's entry, changed by a case.
std::string sheet(const std::string &firstRow, const std::string &header = {}, int from = 2) {
    std::string csv =
        "\xEF\xBB\xBF" +
        (header.empty() ? "question,entry,bun,ans1,ans2,ans3,ans4,ans,bmp,type" : header) + "\r\n" +
        firstRow + "\r\n";
    for (int q = from; q <= 50; ++q)
        csv += std::to_string(q) + ",1,q,a,b,c,d,1,,0\r\n";
    return csv;
}

struct BuildCase {
    const char *name;
    std::string csv;
    std::vector<Expected> expected; // line is the row; the column is checked below
    std::size_t column;
};

const std::string Good = "1,1,q,a,b,c,d,1,,0";

const BuildCase BuildCases[] = {
    {"CleanSheet", sheet(Good), {}, 0},
    {"EmojiHasNoShiftJisCode",
     sheet("1,1,\"問🙂\",a,b,c,d,1,,0"),
     {{2, E, "bun: character 🙂 (U+1F642) has no Shift-JIS (CP932) code"}},
     3},
    {"WaveDashWouldReadBackAsFullWidthTilde",
     sheet("1,1,q,a,〜,c,d,1,,0"),
     {{2, E, "ans2: character 〜 (U+301C) reads back from Shift-JIS as ～ (U+FF5E)"}},
     5},
    {"ValueOverWhatTheReaderKeeps",
     sheet("1,1," + std::string(999, 'x') + "x,a,b,c,d,1,,0"),
     {{2, E, "bun: 1000 bytes in Shift-JIS, more than the 999"}},
     3},
    {"LineBreakInsideAValue",
     sheet("1,1,\"two\r\nlines\",a,b,c,d,1,,0"),
     {{2, E, "bun: a line break inside a value"}},
     3},
    {"QuestionOutsideOneToFifty",
     sheet(Good) + "51,1,q,a,b,c,d,1,,0\r\n",
     {{52, E, "question \"51\" is not a question number from 1 to 50"}},
     1},
    {"EntryNumbersWithAGap",
     sheet(Good) + "1,3,q,a,b,c,d,1,,0\r\n",
     {{52, E, "entry 3 of question 1 follows entry 1: entries run 1, 2, 3"}},
     2},
    {"EntryRepeated",
     sheet(Good) + "1,1,q,a,b,c,d,1,,0\r\n",
     {{52, E, "entry 1 of question 1 again: it is on row 2 already"}},
     2},
    {"AnswerOutsideOneToFour",
     sheet("1,1,q,a,b,c,d,5,,0"),
     {{2, E, "ans \"5\" is not 1, 2, 3 or 4"}},
     8},
    {"TypeNotAWholeNumber",
     sheet("1,1,q,a,b,c,d,1,,1.5"),
     {{2, E, "type \"1.5\" is not a whole number"}},
     10},
    {"MissingColumn",
     sheet("1,1,q,a,b,c,d,1,", "question,entry,bun,ans1,ans2,ans3,ans4,ans,bmp"),
     {{1, E, "no column type"}},
     0},
    {"ColumnNamesIgnoreCaseAndAnExtraColumnIsAWarning",
     sheet("1,1,q,a,b,c,d,1,,0,note", "Question,ENTRY,bun,ans1,ans2,ans3,ans4,ans,bmp,type,Notes"),
     {{1, W, "column \"Notes\" is not read"}},
     11},
    {"ShortRow",
     sheet("1,1,q,a,b,c,d,1"),
     {{2, E, "no bmp, type: the row ends after 8 fields"}},
     9},
    {"NotUtf8", sheet("1,1,\x96\xe2,a,b,c,d,1,,0"), {{2, E, "bun is not UTF-8"}}, 3},
    {"BrokenQuotes", sheet("1,1,\"q\"x,a,b,c,d,1,,0"), {{2, E, "a quote breaks the CSV rules"}}, 3},
    {"QuestionsWithoutRows",
     sheet(Good + "\r\n3,1,q,a,b,c,d,1,,0", {}, 51),
     {{0, E, "no rows for question 2, 4 to 50: every question needs at least an entry 1"}},
     0},
    {"MissingPictureIsAWarning",
     sheet("1,1,q,a,b,c,d,1,pic\\none.png,0"),
     {{2, W, "picture pic\\none.png is not found in"}},
     9},
};

void PrintTo(const BuildCase &c, std::ostream *out) {
    *out << c.name;
}

class BuildErrors : public testing::TestWithParam<BuildCase> {};

TEST_P(BuildErrors, AreReportedAtTheirRowAndColumnAndWriteNothing) {
    const BuildCase &c = GetParam();
    const spreadsheet::Build built = spreadsheet::build("bank.csv", c.csv, "/nonexistent");
    expectDiagnostics(built.diagnostics, c.expected);
    for (const bankcheck::Diagnostic &d : built.diagnostics)
        EXPECT_EQ(d.column, c.column) << describe(d);
    const bool error = std::any_of(c.expected.begin(), c.expected.end(),
                                   [](const Expected &e) { return e.severity == E; });
    EXPECT_EQ(built.files.size(), error ? 0u : 50u);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildErrors, testing::ValuesIn(BuildCases),
                         [](const testing::TestParamInfo<BuildCase> &info) {
                             return info.param.name;
                         });

} // namespace
