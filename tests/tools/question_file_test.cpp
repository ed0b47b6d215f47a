// The checker on single question files: each case is a file's content and the diagnostics it
// must give, each at its line; nothing else may be reported.

#include "bankcheck.h"
#include "diagnostics_match.h"
#include "fake_choices.h"

#include <QStringEncoder>

#include <map>

namespace {

using bankcheck::Picture;
using bankcheck::Severity;
constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

// Pictures by the name an entry gives; any other name is missing.
class FakePictures : public bankcheck::PictureLoader {
public:
    Picture load(std::string_view bmp) const override {
        const auto found = pictures.find(std::string(bmp));
        return found == pictures.end() ? Picture{} : found->second;
    }
    std::map<std::string, Picture> pictures = {
        {"fits.png", {Picture::Status::Loads, "", "", 737, 369}},
        {"wide.png", {Picture::Status::Loads, "", "", 738, 10}},
        {"tall.png", {Picture::Status::Loads, "", "", 10, 266}},
        {"Case.png", {Picture::Status::Loads, "case.png", "", 10, 10}},
        {"locked.png", {Picture::Status::Unreadable, "", "Permission denied", 0, 0}},
        {"text.png", {Picture::Status::NotAnImage, "", "Unsupported image format", 0, 0}},
        {"..\\up.png", {Picture::Status::Outside, "", "", 0, 0}},
    };
};

std::string cp932(const std::string &utf8) {
    QStringEncoder encoder("windows-31j");
    const QByteArray bytes = encoder(QString::fromStdString(utf8));
    return bytes.toStdString();
}

// A complete entry k: seven lines, from "[SECk]" to "ans=1".
std::string entry(int k) {
    return "[SEC" + std::to_string(k) + "]\nbun=問題\nans1=a\nans2=b\nans3=c\nans4=d\nans=1\n";
}
// A file of one complete entry: [COUNT] on line 1, ALL=1 on 2, [SEC1] on 3, bun on 4, ans1..ans4
// on 5..8, ans on 9; what follows starts on line 10.
std::string oneEntry(const std::string &more = {}) {
    return "[COUNT]\nALL=1\n" + entry(1) + more;
}
// The same with its entry's lines from bun on replaced by lines (which start on line 4).
std::string entryWith(const std::string &lines) {
    return "[COUNT]\nALL=1\n[SEC1]\n" + lines;
}
const std::string Choices = "ans1=a\nans2=b\nans3=c\nans4=d\n";

struct Case {
    const char *name;
    std::string text; // UTF-8, saved as CP932
    std::vector<Expected> expected;
};

const Case Cases[] = {
    {"CompleteFileIsClean", oneEntry(), {}},
    {"CrLfAndCrLineEndsAreFine", "[COUNT]\r\nALL=2\r" + entry(1) + entry(2), {}},
    {"CommentsAndBlankLinesAreFine", "; bank\n\n" + oneEntry("; end\n"), {}},
    // The count.
    {"NoCountSection",
     entry(1),
     {{0, E, "no [COUNT] section: the count reads 0, so every exam takes [SEC1]"}}},
    {"NoAllKey", "[COUNT]\n" + entry(1), {{1, E, "no ALL in [COUNT]"}}},
    {"EmptyAll", "[COUNT]\nALL=\n" + entry(1), {{2, E, "ALL is empty"}}},
    {"ZeroAll",
     "[COUNT]\nALL=0\n" + entry(1),
     {{2, E, "ALL=0, not a whole number of 1 or more: every exam takes [SEC1]"}}},
    {"NegativeAll",
     "[COUNT]\nALL=-2\n" + entry(1),
     {{2, E, "ALL=-2, not a whole number of 1 or more: exams draw [SEC-1] to [SEC1]"}}},
    {"FractionalAllDrawsOneMore",
     "[COUNT]\nALL=1.5\n" + entry(1),
     {{2, E, "ALL=1.5, not a whole number"}, {2, E, "[SEC2] is missing"}}},
    {"FullWidthDigitsReadZero",
     "[COUNT]\nALL=１\n" + entry(1),
     {{2, E, "ALL=１ reads as 0, not a whole"}}},
    {"AllWithTextAfterTheNumber",
     "[COUNT]\nALL=1件\n" + entry(1),
     {{2, W, "ALL=1件 reads as 1: write the number alone"}}},
    {"AllOf32767IsTheLargestThatDraws",
     "[COUNT]\nALL=32767\n" + entry(1),
     {{2, E, "[SEC2] to [SEC32767] are missing"}}},
    {"AllOf32768FailsOneStartIn32768",
     "[COUNT]\nALL=32768\n" + entry(1),
     {{2, E,
       "ALL=32768 is too large: about 1 in 32768 exam starts fail with an overflow (a draw of "
       "[SEC32768] or beyond)"},
      {2, E, "[SEC2] to [SEC32767] are missing"}}},
    {"AllOf99999FailsTwoStartsInThree",
     "[COUNT]\nALL=99999\n" + entry(1) + entry(40000),
     {{2, E, "ALL=99999 is too large: about 67 in 100 exam starts fail"},
      {2, E, "[SEC2] to [SEC32767] are missing"},
      {10, W, "[SEC40000] is never drawn"}}},
    {"AllTooLargeForADouble",
     "[COUNT]\nALL=1e400\n" + entry(1),
     {{2, E, "ALL=1e400 is too large"}}},
    {"OtherKeyInCount",
     "[COUNT]\nALL=1\nCOUNT=5\n" + entry(1),
     {{3, W, "key COUNT is never read"}}},
    // Entries and sections.
    {"EntryMissing",
     "[COUNT]\nALL=3\n" + entry(1),
     {{2, E, "[SEC2] to [SEC3] are missing: an exam that draws one shows an empty question"}}},
    {"EntryBeyondTheCount",
     oneEntry(entry(2) + "[SEC0]\n"),
     {{10, W, "[SEC2] is never drawn: ALL=1"}, {17, W, "[SEC0] is never drawn"}}},
    {"BlankInSectionName",
     "[COUNT]\nALL=1\n[SEC 1]\nbun=x\n",
     {{3, W, "[SEC 1] is not [SEC1]: the program never reads it"}, {2, E, "[SEC1] is missing"}}},
    {"LeadingZeroAndFullWidthDigitInSectionName",
     oneEntry("[SEC02]\n[SEC２]\n[ COUNT ]\n"),
     {{10, W, "[SEC02] is not [SEC2]"},
      {11, W, "[SEC２] is not [SEC2]"},
      {12, W, "[COUNT] again"}}},
    {"UnknownSection", oneEntry("[Notes]\n"), {{10, W, "[Notes] is never read"}}},
    {"RepeatedSectionIgnoringCase",
     oneEntry("[sec1]\nbun=x\n"),
     {{10, W, "[sec1] again: the program reads only the first, on line 3"}}},
    {"RepeatedKeyIgnoringCase",
     oneEntry("BUN=second\n"),
     {{10, W, "BUN again in [SEC1]: the program reads the first, on line 4"}}},
    {"KeyLinesBeforeTheFirstSection",
     "x=1\nstray\n" + oneEntry(),
     {{1, W, "key line before the first section"}, {2, W, "key line before the first section"}}},
    {"UnclosedSectionLine",
     "[COUNT\nALL=1\n" + entry(1),
     {{1, W, "no ']' closes the section name: it reads as [COUNT]"}}},
    {"ValueGoingOnOverTwoLines",
     entryWith("bun=一行目\n二行目\n" + Choices + "ans=1\n"),
     {{5, E, "no '=' in this line: it reads as an empty key '二行目'"}}},
    {"KeyWithoutEqualsHidesALaterOne",
     entryWith("bun\nbun=x\n" + Choices + "ans=1\n"),
     {{4, E, "no '=' in this line"}, {5, W, "bun again in [SEC1]"}}},
    {"UnknownKeyInEntry", oneEntry("answer=1\n"), {{10, W, "key answer is never read"}}},
    // The keys of an entry.
    {"MissingKeys",
     entryWith("ans1=a\nans2=b\nans4=d\n"),
     {{3, E, "no bun in [SEC1]: the question has no text"},
      {3, E, "no ans3 in [SEC1]: choice 3 is empty"},
      {3, E, "no ans in [SEC1]: no choice is marked correct"}}},
    {"EmptyTexts",
     entryWith("bun=\"\"\nans1=\n ans2 = b \nans3=c\nans4=d\nans=1\n"),
     {{4, E, "bun is empty"}, {5, E, "ans1 is empty: choice 1 is empty"}}},
    {"AnswerOutOfRange", entryWith("bun=q\n" + Choices + "ans=5\n"), {{9, E, "ans=5, not 1 to 4"}}},
    {"AnswerZero", entryWith("bun=q\n" + Choices + "ans=0\n"), {{9, E, "ans=0, not 1 to 4"}}},
    {"AnswerEmpty", entryWith("bun=q\n" + Choices + "ans=\n"), {{9, E, "ans is empty"}}},
    {"AnswerWithTextAfterIt",
     entryWith("bun=q\n" + Choices + "ans=3番\n"),
     {{9, W, "ans=3番 reads as 3: write the number alone"}}},
    {"AnswerRoundedHalfToEven",
     entryWith("bun=q\n" + Choices + "ans=2.5\n"),
     {{9, W, "ans=2.5 reads as 2"}}},
    {"AnswerInFullWidthDigits",
     entryWith("bun=q\n" + Choices + "ans=３\n"),
     {{9, E, "ans=３ reads as 0, not 1 to 4"}}},
    {"AnswerOverflows",
     entryWith("bun=q\n" + Choices + "ans=40000\n"),
     {{9, E, "ans=40000 overflows: an exam that draws [SEC1] will not start"}}},
    {"ControlCharactersInAValue",
     entryWith("bun=\x1b[2J\x1b]0;t\x07\n" + Choices + "ans=1\n"),
     {{4, W, "value holds control characters (\\x1b \\x07)"}}},
    {"ControlCharactersAmongDoubleByteText", // one among the first eight bytes, one after them
     entryWith("bun=問題\x1bあああ\x01\n" + Choices + "ans=1\n"),
     {{4, W, "value holds control characters (\\x1b \\x01)"}}},
    {"TabsAreText", entryWith("bun=\tq\tq\tq\tq\tq\n" + Choices + "ans=1\n"), {}},
    {"TypeOneIsFine", oneEntry("type=1\n"), {}},
    {"TypeEmptyIsFine", oneEntry("type=\n"), {}},
    {"TypeOtherThanZeroOrOne",
     oneEntry("type=2\n"),
     {{10, W, "type=2, neither 0 nor 1: the choices go side by side"}}},
    {"TypeWrittenOddly",
     oneEntry("type=1.0\n"),
     {{10, W, "type=1.0 reads as 1: write the number alone"}}},
    {"TypeOverflows", oneEntry("type=-32769\n"), {{10, E, "type=-32769 overflows"}}},
    // Long values.
    {"ValueCutAfter999Bytes",
     entryWith("bun=" + std::string(990, 'x') + "0123456789\n" + Choices + "ans=1\n"),
     {{4, W, "value is 1000 bytes; the program reads the first 999, ending with '…12345678'"}}},
    {"QuotedValueOf999BytesIsWhole",
     entryWith("bun=\"" + std::string(999, 'x') + "\"\n" + Choices + "ans=1\n"),
     {}},
    {"CutThatWouldSplitACharacter",
     entryWith("bun=" + std::string(998, 'x') + "あ\n" + Choices + "ans=1\n"),
     {{4, W, "value is 1000 bytes; the program reads the first 998"}}},
    // Pictures, with the entry's layout.
    {"PictureMissing",
     oneEntry("bmp=pic\\none.png\n"),
     {{10, E, "picture pic\\none.png is not found"}}},
    {"PictureThatFits", oneEntry("bmp=fits.png\n"), {}},
    {"PictureTooWide",
     oneEntry("bmp=wide.png\ntype=1\n"),
     {{10, W,
       "picture wide.png is 738 x 10 px but only 737 x 265 px show below stacked choices "
       "(type=1): make it smaller"}}},
    {"PictureTooTallWhenStacked", oneEntry("bmp=tall.png\ntype=1\n"), {{10, W, "is 10 x 266 px"}}},
    {"PictureTallFitsSideBySide", oneEntry("bmp=tall.png\ntype=0\n"), {}},
    {"PictureFoundOnlyIgnoringCase",
     oneEntry("bmp=Case.png\n"),
     {{10, W, "picture Case.png is found only ignoring case, as case.png"}}},
    {"PictureUnreadable",
     oneEntry("bmp=locked.png\n"),
     {{10, E, "picture locked.png cannot be read: Permission denied"}}},
    {"PictureOutsideTheBank",
     oneEntry("bmp=..\\up.png\n"),
     {{10, E, "picture ..\\up.png lies outside the bank folder"}}},
    {"PictureNotAnImage",
     oneEntry("bmp=text.png\n"),
     {{10, E, "picture text.png cannot be shown"}}},
    // Choices the candidate sees only in part (FakeChoices: 10 px a byte; 100 px show side by
    // side, 400 stacked).
    {"ChoiceCutSideBySideFitsStacked",
     entryWith("bun=q\nans1=a\nans2=0123456789ab\nans3=c\nans4=d\nans=1\n"),
     {{6, W,
       "ans2 is 120 px wide but only 100 px show side by side: put the choices one below the "
       "other (type=1) or shorten it"}}},
    {"ChoiceTooWideInBothLayouts",
     entryWith("bun=q\nans1=" + std::string(41, 'x') + "\n" + "ans2=b\nans3=c\nans4=d\nans=1\n"),
     {{5, W,
       "ans1 is 410 px wide but only 100 px show side by side and 400 px one below the other "
       "(type=1): shorten it"}}},
    {"ChoiceCutStacked",
     entryWith("bun=q\n" + Choices.substr(0, 21) + "ANS4=" + std::string(41, 'x') +
               "\nans=1\ntype=1\n"),
     {{8, W, "ANS4 is 410 px wide but only 400 px show one below the other (type=1): shorten it"}}},
    {"JapaneseChoiceAndPictureNameMeasuredAndLookedUpAsRead",
     entryWith("bun=q\nans1=\t\"ーーーー\" \nans2=b\nans3=c\nans4=d\nans=1\nbmp=図ー.png\n"),
     {{5, W, "ans1 is 120 px wide but only 100 px show side by side"},
      {10, E, "picture 図ー.png is not found"}}},
    {"ChoiceMeasuredAsReadFitsUpToTheEdge",
     entryWith("bun=q\nans1=\"0123456789\"\nans2=b\n" + Choices.substr(14) + "ans=1\n"),
     {}},
    {"PicturesOfEntriesNeverDrawnAreNotLoaded",
     oneEntry("[SEC2]\nbmp=none.png\n"),
     {{10, W, "never drawn"}}},
};

void PrintTo(const Case &c, std::ostream *out) {
    *out << c.name;
}

class QuestionFile : public testing::TestWithParam<Case> {};

TEST_P(QuestionFile, GivesExactlyTheExpectedDiagnostics) {
    const Case &c = GetParam();
    const std::vector<bankcheck::Diagnostic> got =
        bankcheck::checkQuestionFile("TOI1.ini", cp932(c.text), FakePictures(), FakeChoices());
    expectDiagnostics(got, c.expected);
    for (const bankcheck::Diagnostic &d : got)
        EXPECT_EQ(d.file, "TOI1.ini");
}

INSTANTIATE_TEST_SUITE_P(Cases, QuestionFile, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case> &info) { return info.param.name; });

// Byte-level cases that no CP932 text can spell.
struct BytesCase {
    const char *name;
    std::string bytes;
    std::vector<Expected> expected;
};

// A file of one entry whose bun is the given bytes (line 4, from offset 25) and whose other
// lines are ASCII.
std::string withBun(const std::string &bun) {
    return "[COUNT]\nALL=1\n[SEC1]\nbun=" + bun + "\n" + Choices + "ans=1\n";
}

const BytesCase ByteCases[] = {
    {"Utf8Text", withBun("\xE5\x95\x8F\xE9\xA1\x8C"), {{0, E, "is UTF-8, not Shift-JIS"}}},
    {"Utf8ByteOrderMarkLosesTheFirstSection",
     "\xEF\xBB\xBF" + withBun("q"),
     {{1, E, "starts with a UTF-8 byte-order mark: its first section is lost"},
      {2, W, "key line before the first section"},
      {0, E, "no [COUNT] section"}}},
    {"Utf16",
     std::string("\xFF\xFE[\0C\0O\0U\0N\0T\0]\0", 16),
     {{0, E, "is UTF-16 (byte-order mark 0xFF 0xFE)"}}},
    {"InvalidShiftJis",
     withBun("a\x81"
             "1\x81"
             "2"),
     {{4, E, "invalid Shift-JIS bytes at offsets 26, 28, each read as"}}},
    {"LoneLeadByteBeforeTheLineEnd",
     withBun("x\x82"),
     {{4, E, "invalid Shift-JIS byte 0x82 at offset 26, read as"}}},
    {"Utf8LineInAShiftJisFile",
     withBun("\x96\xe2") + "[SEC2]\nbun=\xE3\x81\x82\n",
     {{11, E, "(this line looks like UTF-8)"}, {10, W, "[SEC2] is never drawn"}}},
    {"NulByteEndsTheLine",
     withBun(std::string("a\0b", 3)),
     {{4, W, "NUL byte at offset 26: the rest of the line is not read"}}},
    {"EmptyFile", "", {{0, E, "no [COUNT] section"}, {0, E, "[SEC1] is missing"}}},
};

void PrintTo(const BytesCase &c, std::ostream *out) {
    *out << c.name;
}

class QuestionFileBytes : public testing::TestWithParam<BytesCase> {};

TEST_P(QuestionFileBytes, GivesExactlyTheExpectedDiagnostics) {
    expectDiagnostics(
        bankcheck::checkQuestionFile("TOI1.ini", GetParam().bytes, FakePictures(), FakeChoices()),
        GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, QuestionFileBytes, testing::ValuesIn(ByteCases),
                         [](const testing::TestParamInfo<BytesCase> &info) {
                             return info.param.name;
                         });

TEST(QuestionFileOrder, DiagnosticsComeInLineOrder) {
    const auto got = bankcheck::checkQuestionFile(
        "TOI1.ini", cp932("[SEC1]\nans=9\n[x]\nstray\n[COUNT]\nALL=1\n"), FakePictures(),
        FakeChoices());
    for (std::size_t i = 1; i < got.size(); ++i)
        EXPECT_LE(got[i - 1].line, got[i].line) << describe(got[i]);
}

} // namespace
