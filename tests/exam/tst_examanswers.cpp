#include "examfixture.h"

#include <QtTest>

// Recording answers while moving between questions, revealing, finishing and closing.
class ExamAnswers : public QObject {
    Q_OBJECT

    static int selected(frmSiken &exam) {
        for (int k = 0; k < 4; ++k)
            if (exam.Option1.Value(k)) return k + 1;
        return 0;
    }

private slots:
    void roadOfOneAnswer() {
        ExamFixture f;
        frmSiken &exam = f.start();
        for (int i = 0; i < 4; ++i)
            exam.cmdNext->click();
        QCOMPARE(exam.Frame2->title(), "題5問");
        exam.Option1(2).click();
        exam.cmdNext->click();
        QCOMPARE(modMain::Kaitou(4), 3);
        QCOMPARE(exam.iNumber, 5);
        QCOMPARE(selected(exam), 0); // question 6's own answer, not the one left
    }

    void answersAreKeptAndRestored() {
        ExamFixture f;
        frmSiken &exam = f.start();
        exam.cmdNext_Click(); // question 1 left without a choice
        QCOMPARE(modMain::Kaitou(0), 0);
        exam.Option1(1).click();
        exam.cmdNext_Click();
        exam.cmdBefore_Click();
        QCOMPARE(selected(exam), 2);
        exam.Option1(3).click();
        exam.cmdBefore_Click();
        QCOMPARE(modMain::Kaitou(1), 4);
        QCOMPARE(selected(exam), 0);
        exam.SetMondai(5); // showing alone touches neither the choice nor the answers
        QCOMPARE(modMain::Kaitou(0), 0);
        QCOMPARE(exam.iNumber, 0);
    }

    void commandsStopAtTheEnds() {
        ExamFixture f;
        frmSiken &exam = f.start();
        QVERIFY(!exam.cmdBefore->isEnabled() && exam.cmdNext->isEnabled());
        exam.cmdBefore_Click();
        QCOMPARE(exam.iNumber, 0);
        QCOMPARE(exam.Frame2->title(), "題1問");
        for (int i = 0; i < 49; ++i)
            exam.cmdNext->click();
        QCOMPARE(exam.iNumber, 49);
        QVERIFY(exam.cmdBefore->isEnabled() && !exam.cmdNext->isEnabled());
        exam.Option1(0).click();
        exam.cmdNext_Click();
        QCOMPARE(exam.iNumber, 49);
        QCOMPARE(exam.Frame2->title(), "題50問");
        QCOMPARE(modMain::Kaitou(49), 0);
    }

    void revealShowsTheAnswerUntilTheQuestionChanges_data() {
        QTest::addColumn<int>("ans");
        QTest::addColumn<QString>("shown");
        QTest::newRow("choice 3") << 3 << "(3)";
        QTest::newRow("no answer in the file") << 0 << "(0)";
    }
    void revealShowsTheAnswerUntilTheQuestionChanges() {
        QFETCH(int, ans);
        QFETCH(QString, shown);
        ExamFixture f;
        modMain::Mondai(1).ans = static_cast<std::int16_t>(ans);
        frmSiken &exam = f.start();
        exam.cmdNext_Click();
        exam.cmdCorAns->click();
        QCOMPARE(exam.lblCorAns->text(), shown);
        exam.cmdNext_Click();
        QCOMPARE(exam.lblCorAns->text(), "");
        QCOMPARE(modMain::Kaitou(1), 0);
    }

    void finishStoresTheChoiceOnScreenAndShowsTheSheet() {
        ExamFixture f;
        frmSiken &exam = f.start();
        exam.Option1(1).click();
        exam.cmdNext_Click();
        exam.cmdBefore_Click();
        exam.cmdNext_Click(); // question 2 left again without a choice: its answer stays
        exam.cmdBefore_Click();
        QCOMPARE(modMain::Kaitou(0), 2);
        exam.Option1(3).click(); // never left
        exam.cmdSyuuryou->click();
        QCOMPARE(modMain::Kaitou(0), 4);
        QVERIFY(!exam.Timer1->isActive());
        QCOMPARE(exam.lblTime->text(), "");
        QVERIFY(Forms::frmSiken().IsLoaded() && !exam.isVisible());
        QVERIFY(Forms::frmSeiseki().IsLoaded() && Forms::frmSeiseki()->isVisible());
    }

    void closingTheFrameDuringTheExamEndsTheProgram() {
        ExamFixture f;
        frmSiken &exam = f.start();
        exam.Option1(0).click();
        exam.close();
        QCOMPARE(f.ends, 1);
        QVERIFY(!Forms::frmSiken().IsLoaded() && !Forms::frmSeiseki().IsLoaded());
        QCOMPARE(modMain::Kaitou(0), 0);
    }

    // Unloading here would make the next review reload the window and restart its clock.
    void closingTheFrameDuringAReviewGoesBackToTheSheet() {
        ExamFixture f;
        frmSiken &exam = f.start();
        exam.cmdSyuuryou_Click();
        Forms::frmSiken().Show();
        exam.Option1(2).click();
        exam.close();
        QCOMPARE(modMain::Kaitou(0), 3);
        QVERIFY(Forms::frmSiken().IsLoaded() && !exam.isVisible());
        QVERIFY(Forms::frmSeiseki()->isVisible());
        QVERIFY(!exam.Timer1->isActive());
        QCOMPARE(f.ends, 0);
    }
};

QTEST_MAIN(ExamAnswers)
#include "tst_examanswers.moc"
