#include "app/frmMenu.h"
#include "bank/clock.h"
#include "exam/frmSiken.h"
#include "sheet.h"
#include "support/programseams.h"
#include "support/questionbank.h"

#include <QtTest>

// One candidate's way through the program, by clicks only: menu, exam, sheet, review, menu.
class TestResultsFlow : public QObject {
    Q_OBJECT

    static frmSiken &exam() { return *Forms::frmSiken(); }

    // Selects choice number (1 to 4) by clicking the radio button's indicator.
    static void choose(int choice) {
        QRadioButton &button = exam().Option1(choice - 1);
        QWidget *window = button.window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          button.mapTo(window, QPoint(8, button.height() / 2)));
        QVERIFY(button.isChecked());
    }

private slots:
    void cleanup() { quizra::setClock({}); }

    void aWholeAttemptAndASecondOne();
};

void TestResultsFlow::aWholeAttemptAndASecondOne() {
    ProgramSeams seams;
    QuestionBank bank;
    for (int n = 1; n <= modMain::QuestionCount; ++n)
        bank.write(QStringLiteral("TOI%1.ini").arg(n),
                   QStringLiteral("[COUNT]\nALL=1\n[SEC1]\nbun=問題%1\nans1=あ\nans2=い\nans3=う\n"
                                  "ans4=え\nans=2\n")
                       .arg(n));
    quizra::setClock([] { return 46000.25; });

    sheet::click(Forms::frmMenu().Show().cmd1);
    QVERIFY(!Forms::frmMenu().IsLoaded());

    // Question 1 right, question 2 wrong, question 3 right but never left before finishing.
    choose(2);
    sheet::click(exam().cmdNext);
    choose(3);
    sheet::click(exam().cmdNext);
    choose(2);
    sheet::click(exam().cmdSyuuryou);

    frmSeiseki &form = *Forms::frmSeiseki();
    QVERIFY(form.isVisible());
    QVERIFY(!exam().isVisible());
    QCOMPARE(form.Label23(0).text(), "2");
    QCOMPARE(form.Label23(1).text(), "3");
    QCOMPARE(form.Label23(2).text(), "2");
    QCOMPARE(form.Label23(3).text(), "");
    QCOMPARE(form.txt1->text(), "20");
    QCOMPARE(form.txt5->text(), "16.7");
    QCOMPARE(form.txt4->text(), "20");

    // Review: an answered question, an unanswered one, then a changed answer.
    sheet::click(&form.Label17(1));
    QCOMPARE(exam().iNumber, 1);
    QVERIFY(exam().Option1.Value(2));
    sheet::click(&form.Label17(9));
    QCOMPARE(exam().iNumber, 9);
    for (int j = 0; j < 4; ++j)
        QVERIFY(!exam().Option1.Value(j));
    sheet::click(&form.Label17(1));
    choose(2);
    QVERIFY(!exam().Timer1->Enabled());
    sheet::click(exam().cmdSyuuryou);

    QCOMPARE(modMain::Kaitou(1), 2);
    QCOMPARE(&*Forms::frmSeiseki(), &form);
    QVERIFY(form.isVisible());
    QVERIFY(!exam().isVisible());
    QCOMPARE(form.Label23(1).text(), "3");
    QCOMPARE(form.txt1->text(), "20");
    QVERIFY(sheet::isRed(form.txt5));

    sheet::click(form.cmdEnd);
    QVERIFY(Forms::frmMenu()->isVisible());
    QVERIFY(!Forms::frmSiken().IsLoaded());
    QVERIFY(!Forms::frmSeiseki().IsLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The second exam starts fresh and is graded afresh.
    quizra::setClock([] { return 46000.5; });
    sheet::click(Forms::frmMenu()->cmd1);
    QCOMPARE(modMain::StartTime, 46000.5);
    QCOMPARE(exam().iNumber, 0);
    QVERIFY(exam().Timer1->Enabled());
    for (int j = 0; j < 4; ++j)
        QVERIFY(!exam().Option1.Value(j));
    for (int i = 0; i < modMain::QuestionCount; ++i)
        QCOMPARE(modMain::Kaitou(i), 0);
    sheet::click(exam().cmdSyuuryou);
    QCOMPARE(Forms::frmSeiseki()->Label23(0).text(), "");
    QCOMPARE(Forms::frmSeiseki()->txt4->text(), "0");

    QVERIFY(seams.messages.isEmpty());
    QCOMPARE(seams.ends, 0);
}

QTEST_MAIN(TestResultsFlow)
#include "tst_results_flow.moc"
