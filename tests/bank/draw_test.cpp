// The exam draw on banks built in temporary folders, with the random values fixed by the test.

#include "bank/temp_dir.h"
#include "error.h"
#include "files.h"
#include "modMain.h"
#include "random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <filesystem>

namespace {

using modMain::Kaitou;
using modMain::MakeMondai;
using modMain::Mondai;

// An entry whose texts say which file and section it came from.
std::string entry(int file, const std::string &section, const std::string &extra = "ans=2\r\n") {
    const std::string tag = std::to_string(file) + "/" + section;
    return "[" + section + "]\r\nbun=Q" + tag + "\r\nans1=A" + tag + "\r\nans2=B\r\nans3=C\r\n" +
           "ans4=D\r\n" + extra;
}

// A bank of 50 files with count "1" and one entry each, plus whatever a test adds.
class Draw : public testing::Test {
protected:
    void SetUp() override {
        for (int n = 1; n <= 50; ++n)
            writeFile(n, "ALL=1", entry(n, "SEC1"));
        quizra::setBankDirectory(bank.str());
        feed({});
    }
    void TearDown() override { quizra::setRandomSource({}); }

    void writeFile(int n, const std::string &countLine, const std::string &entries) {
        bank.write("TOI" + std::to_string(n) + ".ini",
                   "[COUNT]\r\n" + countLine + "\r\n" + entries);
    }
    // Rnd returns these values in turn, then 0.
    void feed(std::deque<double> values) {
        randoms = std::move(values);
        taken = 0;
        quizra::setRandomSource([this] {
            ++taken;
            if (randoms.empty()) return 0.0;
            const double r = randoms.front();
            randoms.pop_front();
            return r;
        });
    }
    // Fills every slot 0..50 with a record no draw would produce.
    static void fillWithOldExam() {
        for (int i = 0; i <= 50; ++i)
            Mondai(i) = {"old", "old", "old", "old", "old", 9, "old.bmp", 9};
    }

    TempDir bank;
    std::deque<double> randoms;
    int taken = 0;
};

TEST_F(Draw, TakesTheFirstEntryOfEveryFileInFileOrder) {
    writeFile(12, "ALL=1", entry(12, "SEC1", "ans=4\r\nbmp=pics\\fig.bmp\r\ntype=1\r\n"));
    fillWithOldExam();
    MakeMondai();
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(Mondai(i).bun, "Q" + std::to_string(i + 1) + "/SEC1");
    const MondaiRec &q = Mondai(11);
    EXPECT_EQ(q.ans1, "A12/SEC1");
    EXPECT_EQ(q.ans4, "D");
    EXPECT_EQ(q.ans, 4);
    EXPECT_EQ(q.bmp, "pics\\fig.bmp");
    EXPECT_EQ(q.type, 1);
    EXPECT_EQ(Mondai(0).bmp, "");
    EXPECT_EQ(Mondai(0).type, 0);
    EXPECT_EQ(Mondai(50).bun, "old");
    EXPECT_EQ(taken, 50);
}

TEST_F(Draw, AMissingFileGivesAnEmptyQuestionAndLeavesTheOthers) {
    std::filesystem::remove(bank.path() / "TOI7.ini");
    fillWithOldExam();
    MakeMondai();
    const MondaiRec &q = Mondai(6);
    EXPECT_EQ(q.bun + q.ans1 + q.ans2 + q.ans3 + q.ans4 + q.bmp, "");
    EXPECT_EQ(q.ans, 0);
    EXPECT_EQ(q.type, 0);
    EXPECT_EQ(Mondai(5).bun, "Q6/SEC1");
    EXPECT_EQ(Mondai(7).bun, "Q8/SEC1");
}

TEST_F(Draw, ACountOfZeroOrNoneUsesTheFirstEntry) {
    writeFile(1, "ALL=0", entry(1, "SEC1") + entry(1, "SEC2"));
    writeFile(2, "OTHER=5", entry(2, "SEC1") + entry(2, "SEC2"));
    feed({0.9, 0.9});
    MakeMondai();
    EXPECT_EQ(Mondai(0).bun, "Q1/SEC1");
    EXPECT_EQ(Mondai(1).bun, "Q2/SEC1");
}

TEST_F(Draw, EachQuestionTakesOneRandomValueInOrder) {
    const std::string three = entry(0, "SEC1") + entry(0, "SEC2") + entry(0, "SEC3");
    for (int n = 1; n <= 6; ++n)
        writeFile(n, "ALL=3", three);
    feed({0.0, 1.0 / 3 - 1e-9, 1.0 / 3, 2.0 / 3 - 1e-9, 2.0 / 3, 0.999999});
    MakeMondai();
    const char *expected[] = {"SEC1", "SEC1", "SEC2", "SEC2", "SEC3", "SEC3"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Mondai(i).bun, std::string("Q0/") + expected[i]) << "question " << i + 1;
    EXPECT_EQ(taken, 50);
}

TEST_F(Draw, AFractionalCountCanDrawAnEntryPastTheLast) {
    std::string twelve;
    for (int k = 1; k <= 12; ++k)
        twelve += entry(1, "SEC" + std::to_string(k));
    writeFile(1, "ALL=12.5", twelve);
    writeFile(2, "ALL=12.5", twelve);
    feed({0.95, 0.96});
    MakeMondai();
    EXPECT_EQ(Mondai(0).bun, "Q1/SEC12");
    EXPECT_EQ(Mondai(1).bun, ""); // SEC13 does not exist
    EXPECT_EQ(Mondai(1).ans, 0);
}

TEST_F(Draw, ANegativeCountLooksUpSectionsZeroAndMinusOne) {
    const std::string entries = entry(0, "SEC-1") + entry(0, "SEC0") + entry(0, "SEC1");
    for (int n = 1; n <= 3; ++n)
        writeFile(n, "ALL=-2", entries);
    feed({0.0, 0.5, 0.99});
    MakeMondai();
    EXPECT_EQ(Mondai(0).bun, "Q0/SEC1");
    EXPECT_EQ(Mondai(1).bun, "Q0/SEC0");
    EXPECT_EQ(Mondai(2).bun, "Q0/SEC-1");
}

TEST_F(Draw, NumbersAreRoundedHalfToEven) {
    writeFile(1, "ALL=1", entry(1, "SEC1", "ans=2.5\r\ntype=1.5\r\n"));
    writeFile(2, "ALL=1", entry(2, "SEC1", "ans= 3.5\r\ntype=x\r\n"));
    writeFile(3, "ALL=1", entry(3, "SEC1", "ans=3番\r\n"));
    MakeMondai();
    EXPECT_EQ(Mondai(0).ans, 2);
    EXPECT_EQ(Mondai(0).type, 2);
    EXPECT_EQ(Mondai(1).ans, 4);
    EXPECT_EQ(Mondai(1).type, 0);
    EXPECT_EQ(Mondai(2).ans, 3);
}

// Runs MakeMondai, which must fail with an overflow whose description is expected.
void expectOverflow(const std::string &expected) {
    try {
        MakeMondai();
        ADD_FAILURE() << "no overflow";
    } catch (const quizra::QuizraError &error) {
        EXPECT_EQ(error.number(), quizra::errors::Overflow);
        EXPECT_EQ(error.description(), "オーバーフローしました。 (" + expected + ")");
    }
}

TEST_F(Draw, AnOverflowNamesItsSourceAndStopsTheDraw) {
    writeFile(3, "ALL=1", entry(3, "SEC1", "ans=40000\r\n"));
    fillWithOldExam();
    expectOverflow("TOI3.ini [SEC1] ans=40000");
    EXPECT_EQ(Mondai(1).bun, "Q2/SEC1");
    EXPECT_EQ(Mondai(2).ans4, "D"); // read before "ans"
    EXPECT_EQ(Mondai(2).bmp, "old.bmp");
    EXPECT_EQ(Mondai(3).bun, "old");
}

TEST_F(Draw, CountsThatCannotGiveA16BitEntryNumberOverflow) {
    writeFile(2, "ALL=1e400", entry(2, "SEC1"));
    expectOverflow("TOI2.ini [COUNT] ALL=1e400");
    EXPECT_EQ(taken, 1); // the count failed before question 2 took its value

    writeFile(2, "ALL=32768", entry(2, "SEC1"));
    feed({0.0, 0.0});
    MakeMondai(); // k = 1
    EXPECT_EQ(Mondai(1).bun, "Q2/SEC1");
    feed({0.0, 0.99999});
    expectOverflow("TOI2.ini [COUNT] ALL=32768");

    writeFile(2, "ALL=1", entry(2, "SEC1", "type=-40000\r\n"));
    expectOverflow("TOI2.ini [SEC1] type=-40000");
}

TEST_F(Draw, ASecondDrawOverwritesEveryFieldEvenWhenAReadFails) {
    writeFile(5, "ALL=1", entry(5, "SEC1", "ans=3\r\nbmp=a.bmp\r\ntype=1\r\n"));
    MakeMondai();
    EXPECT_EQ(Mondai(4).bmp, "a.bmp");
    // The file turns unreadable: the reader fails and the question must come out empty, not
    // keep the first exam's texts.
    std::filesystem::remove(bank.path() / "TOI5.ini");
    std::filesystem::create_directory(bank.path() / "TOI5.ini");
    Mondai(50).bun = "slot 50";
    MakeMondai();
    EXPECT_EQ(Mondai(4).bun, "");
    EXPECT_EQ(Mondai(4).bmp, "");
    EXPECT_EQ(Mondai(4).ans, 0);
    EXPECT_EQ(Mondai(4).type, 0);
    EXPECT_EQ(Mondai(3).bun, "Q4/SEC1");
    EXPECT_EQ(Mondai(50).bun, "slot 50");
}

TEST_F(Draw, AFileOverTheSizeLimitStopsTheDrawNamingIt) {
    std::filesystem::resize_file(bank.path() / "TOI7.ini", quizra::MaxFileBytes + 1); // sparse
    try {
        MakeMondai();
        ADD_FAILURE() << "no error";
    } catch (const quizra::QuizraError &error) {
        EXPECT_EQ(error.number(), quizra::errors::FileTooLarge);
        EXPECT_EQ(error.description(), "ファイルが大きすぎます。 (TOI7.ini)");
    }
    EXPECT_EQ(taken, 6);
}

TEST(EntryNumber, IsFloorOfRTimesCountPlusOne) {
    EXPECT_EQ(modMain::entryNumber(0.0, 3), 1);
    EXPECT_EQ(modMain::entryNumber(0.999999, 3), 3);
    EXPECT_EQ(modMain::entryNumber(0.5, 0), 1);
    EXPECT_EQ(modMain::entryNumber(0.99, -2), -1);
    EXPECT_EQ(modMain::entryNumber(0.999, 32767), 32735);
    EXPECT_THROW(modMain::entryNumber(0.99999, 40000), quizra::QuizraError);
    // The largest r the generator can give must not round up to an entry past the last.
    const double below1 = std::nextafter(1.0, 0.0);
    for (int count : {1, 2, 3, 4, 16, 1024, 32767})
        EXPECT_EQ(modMain::entryNumber(below1, count), count) << count;
    EXPECT_EQ(modMain::entrySection(-1), "SEC-1");
    EXPECT_EQ(modMain::questionFileName(49), "TOI50.ini");
}

TEST(ExamState, ClearAnsZeroesTheFiftyAnswersOnly) {
    for (int i = 0; i <= 50; ++i)
        Kaitou(i) = 4;
    modMain::ClearAns();
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(Kaitou(i), 0) << i;
    EXPECT_EQ(Kaitou(50), 4);
    Kaitou(50) = 0;
}

TEST(ExamState, AnIndexOutsideTheTablesIsAnError) {
    for (long index : {-1L, 51L}) {
        try {
            Mondai(index);
            ADD_FAILURE() << index;
        } catch (const quizra::QuizraError &error) {
            EXPECT_EQ(error.number(), quizra::errors::IndexOutOfRange);
        }
        EXPECT_THROW(Kaitou(index), quizra::QuizraError);
    }
}

} // namespace
