// The bank as a spreadsheet: export then build reads back value for value, and every value that
// cannot be written so is refused at its row and column.

#include "bank/temp_dir.h"
#include "bankbuild.h"
#include "bankdiff.h"
#include "banklock.h"
#include "bankwrite.h"
#include "diagnostics_match.h"
#include "files.h"
#include "modMain.h"
#include "spreadsheet.h"
#include "xlsxwrite.h"

#include <QStringEncoder>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <linux/fs.h>
#include <memory>
#include <optional>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using bankcheck::Severity;
constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

std::string cp932(const std::string &utf8) {
    QStringEncoder encoder("windows-31j");
    return QByteArray(encoder(QString::fromStdString(utf8))).toStdString();
}

std::vector<bankread::QuestionFile> readBank(const std::string &directory) {
    quizra::setBankDirectory(directory);
    std::vector<bankread::QuestionFile> files;
    for (int i = 0; i < 50; ++i)
        files.push_back(bankread::readQuestionFile(i));
    return files;
}

// The reader's corner cases: comments, case, blanks and quotes, repeated sections and keys, a
// key without '=', numbers with text after them, a value cut at 999 bytes, NEC characters and
// a control character and text that an .xlsx escape would spell; [SEC4] is never drawn.
const std::string CornerCases =
    "; comment\r\n[count]\r\nall=3件\r\n"
    "[SEC1]\r\nBUN=  \"  blanks kept  \"  \r\nbun=repeated\r\nAns1='single'\r\nans2=\"\"x\"\"\r\n"
    "ans3=\"a\"b\"\r\nans4=semi;colon=eq#hash\r\nANS=3番\r\nbmp=\r\ntype=1.0\r\n"
    "[sec2]\r\nbun=①～髙\r\nans1=\"\ttab\t\"\r\nans2\r\nans2=hidden\r\nans3='\r\nans4=x\" \r\n"
    "ans=2.5\r\ntype=2\r\n[SEC2]\r\nbun=repeated section\r\n"
    "[SEC3]\r\nbun=" +
    std::string(998, 'x') +
    "あ\r\nans1=\x1b[2J\r\nans4=_x0041_ as written\r\nans=4\r\n"
    "[SEC4]\r\nbun=never drawn\r\n";

// The bank as export writes it, as CSV or as a workbook.
std::string exported(const std::vector<bankread::QuestionFile> &bank, bool workbook,
                     const TempDir &folder) {
    const std::string path = folder.str() + "/bank.xlsx";
    std::ostringstream csv;
    std::optional<spreadsheet::XlsxWriter> xlsx;
    if (workbook)
        xlsx.emplace(path);
    else
        spreadsheet::writeHeader(csv);
    for (std::size_t f = 0; f < bank.size(); ++f) {
        if (xlsx)
            xlsx->writeRows(static_cast<int>(f + 1), bank[f]);
        else
            spreadsheet::writeRows(csv, static_cast<int>(f + 1), bank[f]);
    }
    if (!xlsx) return csv.str();
    EXPECT_EQ(xlsx->close(), "");
    return std::string(quizra::readFileBytes(path).bytes);
}

TEST(Spreadsheet, BuildOfExportReadsBackValueForValue) {
    for (const auto &[corners, workbook] :
         {std::pair(false, false), {true, false}, {false, true}, {true, true}}) {
        SCOPED_TRACE(std::string(corners ? "corner cases" : "sample") +
                     (workbook ? " as .xlsx" : " as CSV"));
        TempDir original, rebuilt;
        std::filesystem::copy(QUIZRA_SAMPLE_DIR, original.path(),
                              std::filesystem::copy_options::recursive);
        if (corners) original.write("TOI2.ini", cp932(CornerCases));
        const auto before = readBank(original.str());
        const spreadsheet::Build built =
            spreadsheet::build("bank", exported(before, workbook, rebuilt), original.str());
        expectDiagnostics(built.diagnostics, {});
        // Each section under the spreadsheet row it came from, for the preview to name.
        EXPECT_NE(built.files[0].find("\r\n; row 2\r\n[SEC1]\r\n"), std::string::npos);
        ASSERT_TRUE(spreadsheet::writeQuestionFiles(rebuilt.str(), built.files,
                                                    spreadsheet::Existing::Refuse)
                        .written);
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

// A workbook that LibreOffice Calc saved with its default settings, from the sample bank with
// values that Calc rewrites when it opens them from CSV: every value reads back as written.
TEST(Spreadsheet, CalcSavedWorkbookReadsBackAsWritten) {
    const quizra::FileBytes fixture = quizra::readFileBytes(QUIZRA_SHEETS_DIR "/calc-saved.xlsx");
    const spreadsheet::Build built =
        spreadsheet::build("calc.xlsx", fixture.bytes, QUIZRA_SAMPLE_DIR);
    expectDiagnostics(built.diagnostics, {});
    ASSERT_EQ(built.files.size(), 50u);
    const std::vector<std::vector<std::string>> choices = {
        {"0123", "1,852", "0.50", "=1+1"},
        {"00001", "1E+05", "-0", "1/2"},
        {"12:30", "３", "  blanks  ", "_x0041_ literal"}};
    const bankread::QuestionFile first = bankread::readQuestionBytes("TOI1.ini", built.files[0]);
    for (std::size_t e = 0; e < choices.size(); ++e)
        for (std::size_t c = 0; c < 4; ++c)
            EXPECT_EQ(first.entries[e].fields[c + 1].text, choices[e][c]);
    const bankread::QuestionFile second = bankread::readQuestionBytes("TOI2.ini", built.files[1]);
    EXPECT_EQ(second.entries[0].fields[1].text, "\"quoted\"");
    EXPECT_EQ(second.entries[0].fields[2].text, "a\x1b"
                                                "b");
    const auto sample = readBank(QUIZRA_SAMPLE_DIR);
    for (std::size_t f = 2; f < 50; ++f)
        EXPECT_EQ(bankread::readQuestionBytes(sample[f].name, built.files[f]).entries.size(),
                  sample[f].entries.size());
}

// What spreadsheet programs make of values they take for numbers, dates or formulas (measured
// with LibreOffice Calc's default CSV import), told apart from an author's own edits.
TEST(Spreadsheet, ChangesThatLookLikeASpreadsheetsRewriting) {
    const struct {
        const char *before, *after, *rewriting;
    } cases[] = {
        {"0123", "123", "leading zeros lost"},
        {"1,852", "1852", "a thousands separator dropped"},
        {"0.50", "0.5", "a trailing zero dropped"},
        {"=1+1", "2", "a formula evaluated"},
        {"1E+05", "100000", "a number in exponent form rewritten"},
        {"1E+05", "1.00E+05", "a number in exponent form rewritten"},
        {"-0", "0", "the sign of zero dropped"},
        {"1/2", "Jan 02", "a date made of a fraction"},
        {"12:30", "12:30:00", "a time given seconds"},
        {"３", "3", "full-width digits made half-width"},
        {"0123", "124", ""},
        {"10", "1", ""},
        {"港", "湾", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(spreadsheet::rewritingOf(c.before, c.after), c.rewriting) << c.before;
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
    std::vector<std::string> notes = {};
};

std::string utf16le(const std::string &utf8) {
    const std::u16string text = QString::fromStdString(utf8).toStdU16String();
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text)
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

std::string replaced(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

const std::string JapaneseHeader =
    " 問題番号 ,枝番,問題,選択肢1,選択肢2,選択肢3,選択肢4,正解,画像,配置　";

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
    // The encodings and separators spreadsheet programs save, each said once.
    {"ShiftJisWithoutMark",
     cp932(sheet("1,1,問,a,b,c,d,1,,0").substr(3)),
     {},
     0,
     {"read as Shift-JIS (CP932)"}},
    {"Utf16WithTabs",
     utf16le(replaced(sheet(Good).substr(3), ',', '\t')),
     {},
     0,
     {"read as UTF-16 LE", "fields separated by tabs"}},
    {"Semicolons", replaced(sheet(Good), ',', ';'), {}, 0, {"fields separated by semicolons"}},
    {"NoEncodingAtAll",
     sheet("1,1,\x81\x20,a,b,c,d,1,,0").substr(3),
     {{0, E, "is neither UTF-8, UTF-16 with a byte-order mark nor Shift-JIS"}},
     0},
    {"JapaneseColumnNamesWithBlanks", sheet(Good, JapaneseHeader), {}, 0},
    {"HeaderRowMissing",
     sheet(Good, Good),
     {{1, E, "row 1 holds data, not the header row: add the header row above it, question,"}},
     0},
    {"EmptyEntriesNumberedInOrder", sheet("1,,q,a,b,c,d,1,,0\r\n1,,q,a,b,c,d,1,,0"), {}, 0},
    {"TooManyColumnsEndTheRead",
     sheet(Good) + std::string(20000, ',') + "\r\n",
     {{52, E, "more than 16384 fields in a row"}},
     0},
    {"QuotedValuesAreCut",
     sheet("1,1,q,a,b,c,d," + std::string(100, '9') + ",,0"),
     {{2, E, "ans \"" + std::string(40, '9') + "…\" is not 1, 2, 3 or 4"}},
     8},
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
    EXPECT_EQ(built.notes, c.notes);
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

// Replacing a bank: whatever stops the write midway, the folder then holds the old bank or the
// new one, whole, and nothing of the build is left behind.
namespace replacing {

std::string questionFile(const char *bank, int i) {
    return "[COUNT]\r\nALL=1\r\n[SEC1]\r\nbun=" + std::string(bank) + std::to_string(i) + "\r\n";
}

// A bank of 50 files named by name(i), or named TOI1.ini … when not given.
void writeOldBank(const TempDir &dir, std::function<std::string(int)> name = {}) {
    for (int i = 0; i < 50; ++i)
        dir.write(name ? name(i) : modMain::questionFileName(i), questionFile("old", i));
}

enum class Bank { Old, New, Mixed };

// What the folder holds: every question file old, or all 50 new under their own names.
Bank bankIn(const TempDir &dir, std::size_t oldFiles) {
    std::size_t old = 0, fresh = 0;
    for (const std::string &name : spreadsheet::existingQuestionFiles(dir.str())) {
        const quizra::FileBytes file = quizra::readFileIn(dir.str(), name);
        const int i = modMain::questionFileIndex(name);
        old += file.bytes == questionFile("old", i);
        fresh += file.bytes == questionFile("new", i) && name == modMain::questionFileName(i);
    }
    if (fresh == 0 && old == oldFiles) return Bank::Old;
    return fresh == 50 && old == 0 && spreadsheet::existingQuestionFiles(dir.str()).size() == 50
               ? Bank::New
               : Bank::Mixed;
}

std::vector<std::string> folderNames(const TempDir &dir, std::string_view prefix) {
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().filename().string().starts_with(prefix))
            names.push_back(entry.path().filename().string());
    return names;
}

// Sets or clears the immutable flag of path; true when path then has it.
bool setImmutable(const std::string &path, bool on) {
    const int fd = open(path.c_str(), O_RDONLY);
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ioctl(fd, FS_IOC_SETFLAGS, &flags);
        ioctl(fd, FS_IOC_GETFLAGS, &flags);
    }
    close(fd);
    return (flags & FS_IMMUTABLE_FL) != 0;
}

struct Case {
    const char *name;
    // Readies the folder holding the old bank; returns what must live while the build writes.
    std::function<std::shared_ptr<void>(const TempDir &)> fault;
    Bank expected;
    const char *message; // part of what the build says (or, after a stop, the next build)
    int stopBefore = -1; // the build stops before this step, as a kill would
    std::size_t oldFiles = 50;
};

const auto nothing = [](const TempDir &) { return std::shared_ptr<void>(); };

const Case Cases[] = {
    {"IntoAnEmptyFolder",
     [](const TempDir &dir) {
         for (int i = 0; i < 50; ++i)
             std::filesystem::remove(dir.path() / modMain::questionFileName(i));
         return std::shared_ptr<void>();
     },
     Bank::New, "", -1, 0},
    {"OverABankInLowerCaseLeavesNoSecondCopy",
     [](const TempDir &dir) {
         std::filesystem::remove_all(dir.path());
         std::filesystem::create_directory(dir.path());
         writeOldBank(dir, [](int i) { return "toi" + std::to_string(i + 1) + ".ini"; });
         return std::shared_ptr<void>();
     },
     Bank::New, ".quizra-old-"},
    {"ReadOnlyFilesKeepTheirModes",
     [](const TempDir &dir) {
         chmod((dir.path() / "TOI3.ini").c_str(), 0444);
         chmod((dir.path() / "TOI4.ini").c_str(), 0600);
         return std::shared_ptr<void>();
     },
     Bank::New, ".quizra-old-"},
    {"FolderNamedLikeAQuestionFile",
     [](const TempDir &dir) {
         std::filesystem::remove(dir.path() / "TOI5.ini");
         std::filesystem::create_directory(dir.path() / "TOI5.ini");
         return std::shared_ptr<void>();
     },
     Bank::Old, "TOI5.ini is a folder, not a question file: nothing written", -1, 49},
    {"ImmutableFile",
     [](const TempDir &dir) {
         const std::string path = (dir.path() / "TOI25.ini").string();
         if (!setImmutable(path, true)) return std::shared_ptr<void>();
         return std::shared_ptr<void>(new std::string(path), [](void *p) {
             setImmutable(*static_cast<std::string *>(p), false);
             delete static_cast<std::string *>(p);
         });
     },
     Bank::Old, "TOI25.ini is immutable or append-only"},
    {"AnotherBuildHoldsTheLock",
     [](const TempDir &dir) { return std::make_shared<spreadsheet::BankLock>(dir.str()); },
     Bank::Old, "another build is writing"},
    {"StagingFolderOfAnEarlierKill",
     [](const TempDir &dir) {
         dir.write(".quizra-build-abcdef/TOI1.ini", "half");
         return std::shared_ptr<void>();
     },
     Bank::New, "a staging folder left by a killed build was removed"},
    {"StoppedBeforeTheFirstStep", nothing, Bank::Old, "killed midway was undone", 0},
    {"StoppedWhileKeepingTheOldFiles", nothing, Bank::Old, "killed midway was undone", 20},
    {"StoppedAmidTheRenames", nothing, Bank::Old, "killed midway was undone", 75},
    {"StoppedAfterTheLastRename", nothing, Bank::New, "killed midway was completed", 100},
};

void PrintTo(const Case &c, std::ostream *out) {
    *out << c.name;
}

class Replace : public testing::TestWithParam<Case> {};

TEST_P(Replace, LeavesTheOldBankOrTheNewOneWhole) {
    const Case &c = GetParam();
    TempDir dir;
    writeOldBank(dir);
    const auto fault = c.fault(dir);
    if (std::string(c.name) == "ImmutableFile" && !fault)
        GTEST_SKIP() << "the immutable flag needs root and a file system that has it";
    std::vector<std::string> files;
    for (int i = 0; i < 50; ++i)
        files.push_back(questionFile("new", i));
    int steps = 0;
    const auto proceed = [&] { return c.stopBefore < 0 || steps++ < c.stopBefore; };
    spreadsheet::Written written =
        spreadsheet::writeQuestionFiles(dir.str(), files, spreadsheet::Existing::Replace, proceed);
    if (c.stopBefore >= 0) {
        EXPECT_FALSE(written.written);
        // The next build finds the journal, mends the folder and says how.
        written = spreadsheet::writeQuestionFiles(dir.str(), files, spreadsheet::Existing::Refuse);
        EXPECT_NE(written.recovered.find(c.message), std::string::npos) << written.recovered;
    } else {
        EXPECT_NE((written.message + written.recovered).find(c.message), std::string::npos)
            << written.message;
    }
    EXPECT_EQ(bankIn(dir, c.oldFiles), c.expected);
    EXPECT_TRUE(folderNames(dir, ".quizra-build-").empty());
    EXPECT_TRUE(folderNames(dir, ".quizra-journal").empty());
    struct stat info;
    if (std::string(c.name) == "ReadOnlyFilesKeepTheirModes") {
        EXPECT_EQ(stat((dir.path() / "TOI3.ini").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0444u);
        EXPECT_EQ(stat((dir.path() / "TOI4.ini").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
    }
    // After a replacement the old bank, under its own names, is kept in one backup folder.
    const auto backups = folderNames(dir, ".quizra-old-");
    if (c.expected == Bank::New && c.oldFiles > 0) {
        ASSERT_EQ(backups.size(), 1u);
        EXPECT_EQ(spreadsheet::existingQuestionFiles((dir.path() / backups[0]).string()).size(),
                  50u);
    } else if (c.expected == Bank::Old) {
        EXPECT_TRUE(backups.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, Replace, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case> &info) { return info.param.name; });

TEST(ReplaceAgain, KeepsTheLastThreeBackups) {
    TempDir dir;
    writeOldBank(dir);
    for (int n = 0; n < 5; ++n)
        EXPECT_TRUE(spreadsheet::writeQuestionFiles(dir.str(), std::vector<std::string>(50, "x"),
                                                    spreadsheet::Existing::Replace)
                        .written);
    EXPECT_EQ(folderNames(dir, ".quizra-old-").size(), spreadsheet::BackupsKept);
}

} // namespace replacing
