#include "app/frmMenu.h"
#include "exam/frmSiken.h"
#include "sheet.h"
#include "support/programseams.h"

#include <QAccessible>
#include <QtTest>

#include <memory>

// Reopening questions from the sheet, leaving the sheet, and reaching both without a mouse.
class TestResultsReview : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramSeams> seams;
    frmSeiseki *form = nullptr;

    void verifyExamShows(int index);

private slots:
    void init();
    void cleanup() { seams.reset(); }

    void clickingAQuestionOpensItWithItsAnswer_data();
    void clickingAQuestionOpensItWithItsAnswer();
    void clicksBesideTheQuestionNumbersDoNothing();
    void aFailingReviewIsReportedAndTheProgramGoesOn();
    void leavingShowsTheMenuAndUnloadsBothWindows_data();
    void leavingShowsTheMenuAndUnloadsBothWindows();
    void questionNumbersAreButtonsForAssistiveTechnology();
    void questionNumbersWorkFromTheKeyboard();
    void summaryBoxesAreNamedAndSayWhenRed();
};

void TestResultsReview::init() {
    seams = std::make_unique<ProgramSeams>();
    // Section 1 passes with 6 of 12, section 2 fails with 5 of 14, section 3 passes with 12 of
    // 24; the rest are unanswered.
    sheet::fillExam({6, 5, 12}, false);
    Forms::frmSiken().Show();
    Forms::frmSiken()->cmdSyuuryou_Click();
    QVERIFY(Forms::frmSeiseki().IsLoaded());
    form = &*Forms::frmSeiseki();
    QVERIFY(form->isVisible());
    QVERIFY(!Forms::frmSiken()->isVisible());
}

void TestResultsReview::verifyExamShows(int index) {
    frmSiken &exam = *Forms::frmSiken();
    QVERIFY(exam.isVisible());
    QCOMPARE(exam.iNumber, index);
    QCOMPARE(exam.txtQ->toPlainText(), QString::fromStdString(modMain::Mondai(index).bun));
    for (int j = 0; j < 4; ++j)
        QCOMPARE(exam.Option1.Value(j), j == modMain::Kaitou(index) - 1);
    QVERIFY2(!exam.Timer1->Enabled(), "the clock stays stopped during a review");
    QCOMPARE(exam.lblTime->text(), "");
    QVERIFY(form->isVisible());
}

void TestResultsReview::clickingAQuestionOpensItWithItsAnswer_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("answered question 2 opens with its choice") << 1;
    QTest::newRow("question 13 below the gap opens with its choice") << 12;
    QTest::newRow("unanswered question 40 opens with every choice cleared") << 39;
    QTest::newRow("question 50 in the last row") << 49;
}

void TestResultsReview::clickingAQuestionOpensItWithItsAnswer() {
    QFETCH(int, index);
    const QString before = form->txt8->text();

    // Another question with a choice is on screen first; the clicked one replaces it.
    sheet::click(&form->Label17(0));
    verifyExamShows(0);
    sheet::click(&form->Label17(index));
    verifyExamShows(index);

    QCOMPARE(form->txt8->text(), before);
    QVERIFY(seams->messages.isEmpty());
    QCOMPARE(seams->ends, 0);
}

void TestResultsReview::clicksBesideTheQuestionNumbersDoNothing() {
    for (QWidget *control :
         {static_cast<QWidget *>(&form->lbl1(3)), static_cast<QWidget *>(&form->Label23(30)),
          static_cast<QWidget *>(form->Label20), static_cast<QWidget *>(form->Frame1)})
        sheet::click(control);
    QVERIFY(!Forms::frmSiken()->isVisible());
}

void TestResultsReview::aFailingReviewIsReportedAndTheProgramGoesOn() {
    modMain::Kaitou(5) = 7; // no Option1(6)
    sheet::click(&form->Label17(5));

    QCOMPARE(seams->messages.size(), 1);
    QVERIFY2(seams->messages[0].startsWith("9") && seams->messages[0].size() > 1,
             qPrintable(seams->messages[0]));
    QCOMPARE(seams->ends, 0);
    // What was done before the failure stays done.
    QVERIFY(Forms::frmSiken()->isVisible());
    QCOMPARE(Forms::frmSiken()->iNumber, 5);
    QVERIFY(form->isVisible());

    sheet::click(&form->Label17(1));
    verifyExamShows(1);
    QCOMPARE(seams->messages.size(), 1);
}

void TestResultsReview::leavingShowsTheMenuAndUnloadsBothWindows_data() {
    QTest::addColumn<bool>("throughTheFrame");
    QTest::newRow("閉じる") << false;
    QTest::newRow("closing the window frame does the same") << true;
}

void TestResultsReview::leavingShowsTheMenuAndUnloadsBothWindows() {
    QFETCH(bool, throughTheFrame);
    sheet::click(&form->Label17(3)); // during a review

    if (throughTheFrame)
        form->close();
    else
        sheet::click(form->cmdEnd);

    QVERIFY(Forms::frmMenu().IsLoaded());
    QVERIFY(Forms::frmMenu()->isVisible());
    QVERIFY(!Forms::frmSiken().IsLoaded());
    QVERIFY(!Forms::frmSeiseki().IsLoaded());
    QCOMPARE(seams->ends, 0);
}

void TestResultsReview::questionNumbersAreButtonsForAssistiveTechnology() {
    QAccessibleInterface *answered = QAccessible::queryAccessibleInterface(&form->Label17(1));
    QVERIFY(answered);
    QCOMPARE(answered->role(), QAccessible::Button);
    QCOMPARE(answered->text(QAccessible::Name), "問２: 正解 2, 解答 2");
    QAccessibleInterface *unanswered = QAccessible::queryAccessibleInterface(&form->Label17(11));
    QCOMPARE(unanswered->text(QAccessible::Name), "問12: 正解 4, 解答 なし");

    QAccessibleActionInterface *actions = unanswered->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    verifyExamShows(11);
}

void TestResultsReview::questionNumbersWorkFromTheKeyboard() {
    QVERIFY(QTest::qWaitForWindowActive(form));
    // The question numbers come after the nine stops of the window itself.
    for (int stop = 0; stop < 9; ++stop)
        QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &form->Label17(0));
    QTest::keyClick(form->windowHandle(), Qt::Key_Space);
    verifyExamShows(0);

    QTest::keyClick(&form->Label17(12), Qt::Key_Return);
    verifyExamShows(12);
}

void TestResultsReview::summaryBoxesAreNamedAndSayWhenRed() {
    const auto describe = [](QWidget *box, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(box)->text(text);
    };
    QCOMPARE(describe(form->txt1, QAccessible::Name), "操縦者の心得及び遵守事項 点数");
    QCOMPARE(describe(form->txt7, QAccessible::Name), "運航 得点率");
    QCOMPARE(describe(form->txt4, QAccessible::Name), "合計 点数");

    QVERIFY(!sheet::isRed(form->txt5));
    QCOMPARE(describe(form->txt5, QAccessible::Description), "");
    QVERIFY(sheet::isRed(form->txt6));
    QCOMPARE(describe(form->txt6, QAccessible::Description), "合格基準未満");
    QVERIFY(sheet::isRed(form->txt8));
    QCOMPARE(describe(form->txt8, QAccessible::Description), "合格基準未満");
}

QTEST_MAIN(TestResultsReview)
#include "tst_results_review.moc"
