#include "sheet.h"
#include "support/programseams.h"
#include "support/textsfit.h"

#include <QtTest>

#include <memory>

// The results sheet: what grading writes on it, and how it is laid out.
class TestResultsSheet : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramSeams> seams;

private slots:
    void initTestCase() { Program::Initialise(*qApp); } // the program's fonts
    void init() { seams = std::make_unique<ProgramSeams>(); }
    void cleanup() { seams.reset(); }

    void grades_data();
    void grades();
    void answerColumnsShowBothNumbers();
    void aQuestionWithoutACorrectChoiceNeverCounts();
    void showingAgainNeverGradesAgain();
    void rowsLieAtTheirTops();
    void windowIsFixedWithAMinimizeBox();
    void focusStartsInTxt1AndFollowsTheTabOrder();
};

void TestResultsSheet::grades_data() {
    QTest::addColumn<int>("correct1");
    QTest::addColumn<int>("correct2");
    QTest::addColumn<int>("correct3");
    QTest::addColumn<bool>("answerTheRest");
    QTest::addColumn<QStringList>("texts"); // txt1 .. txt8
    QTest::addColumn<QString>("red");       // txt5 .. txt8, R for red

    const auto row = [](const char *name, int c1, int c2, int c3, bool rest, QString texts,
                        QString red) {
        QTest::newRow(name) << c1 << c2 << c3 << rest << texts.split(' ') << red;
    };
    row("nothing answered is 0 and 0.0, all red", 0, 0, 0, false, "0 0 0 0 0.0 0.0 0.0 0.0",
        "RRRR");
    row("every answer wrong is the same as none", 0, 0, 0, true, "0 0 0 0 0.0 0.0 0.0 0.0", "RRRR");
    row("all correct is full marks and nothing red", 12, 14, 24, true,
        "120 140 240 500 100.0 100.0 100.0 100.0", "----");
    row("5 of 12 correct is 41.7 and red while the total passes", 5, 14, 24, true,
        "50 140 240 430 41.7 100.0 100.0 86.0", "R---");
    row("6 of 12 correct is 50.0 and not red", 6, 14, 24, true,
        "60 140 240 440 50.0 100.0 100.0 88.0", "----");
    row("6 of 14 correct is 42.9 and red", 12, 6, 24, true, "120 60 240 420 100.0 42.9 100.0 84.0",
        "-R--");
    row("7 of 14 correct is 50.0 and not red", 12, 7, 24, true,
        "120 70 240 430 100.0 50.0 100.0 86.0", "----");
    row("11 of 24 correct is 45.8 and red", 12, 14, 11, false,
        "120 140 110 370 100.0 100.0 45.8 74.0", "--R-");
    row("12 of 24 correct is 50.0 and not red", 12, 14, 12, true,
        "120 140 120 380 100.0 100.0 50.0 76.0", "----");
    row("32 of 50 correct is 64.0 and red while every section passes", 6, 7, 19, true,
        "60 70 190 320 50.0 50.0 79.2 64.0", "---R");
    row("33 of 50 correct is 66.0 and not red", 6, 7, 20, true, "60 70 200 330 50.0 50.0 83.3 66.0",
        "----");
}

void TestResultsSheet::grades() {
    QFETCH(int, correct1);
    QFETCH(int, correct2);
    QFETCH(int, correct3);
    QFETCH(bool, answerTheRest);
    QFETCH(QStringList, texts);
    QFETCH(QString, red);

    sheet::fillExam({correct1, correct2, correct3}, answerTheRest);
    frmSeiseki &form = Forms::frmSeiseki().Show();

    const auto boxes = sheet::boxes(form);
    for (int k = 0; k < 8; ++k)
        QCOMPARE(boxes[k]->text(), texts[k]);
    // "100.0" and "問50" whole, whatever the theme
    QVERIFY2(cutTexts(&form).isEmpty(), qPrintable(cutTexts(&form).join(" | ")));
    for (int k = 0; k < 4; ++k) {
        QVERIFY2(sheet::isRed(boxes[4 + k]) == (red[k] == 'R'), qPrintable(boxes[4 + k]->text()));
        QVERIFY(!sheet::isRed(boxes[k]));
    }
}

void TestResultsSheet::answerColumnsShowBothNumbers() {
    sheet::fillExam({3, 9, 20}, false);
    modMain::Kaitou(7) = 4;
    frmSeiseki &form = Forms::frmSeiseki().Show();

    for (int i = 0; i < modMain::QuestionCount; ++i) {
        QCOMPARE(form.lbl1(i).text(), QString::number(sheet::correctChoice(i)));
        const std::int16_t chosen = modMain::Kaitou(i);
        QCOMPARE(form.Label23(i).text(), chosen == 0 ? QString() : QString::number(chosen));
    }
    QCOMPARE(form.Label23(7).text(), "4");
    QCOMPARE(form.Label23(11).text(), ""); // unanswered
    QCOMPARE(form.Label23(11).geometry().top(), form.lbl1(11).geometry().top());
}

void TestResultsSheet::aQuestionWithoutACorrectChoiceNeverCounts() {
    sheet::fillExam({0, 0, 0}, false);
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        modMain::Mondai(i).ans = 0;
        modMain::Kaitou(i) = static_cast<std::int16_t>(i % 5); // 0 to 4
    }
    frmSeiseki &form = Forms::frmSeiseki().Show();

    QCOMPARE(form.lbl1(0).text(), "0");
    QCOMPARE(form.Label23(0).text(), "");
    QCOMPARE(form.txt4->text(), "0");
    QVERIFY(sheet::isRed(form.txt8));
}

void TestResultsSheet::showingAgainNeverGradesAgain() {
    sheet::fillExam({5, 6, 11}, true);
    frmSeiseki &form = Forms::frmSeiseki().Show();
    QStringList before;
    for (QLineEdit *box : sheet::boxes(form))
        before << box->text();

    sheet::fillExam({12, 14, 24});
    Forms::frmSeiseki().Hide();
    QCOMPARE(&Forms::frmSeiseki().Show(), &form);

    QCOMPARE(form.Label23(5).text(), QString::number(sheet::wrongChoice(5)));
    QStringList after;
    for (QLineEdit *box : sheet::boxes(form))
        after << box->text();
    QCOMPARE(after, before);
    QVERIFY(sheet::isRed(form.txt5) && sheet::isRed(form.txt8));

    // A fresh load grades afresh, from the ordinary colours.
    Forms::frmSeiseki().Unload();
    frmSeiseki &fresh = Forms::frmSeiseki().Show();
    QCOMPARE(fresh.txt4->text(), "500");
    QVERIFY(!sheet::isRed(fresh.txt5) && !sheet::isRed(fresh.txt8));
}

void TestResultsSheet::rowsLieAtTheirTops() {
    sheet::fillExam({0, 0, 0});
    frmSeiseki &form = Forms::frmSeiseki().Show();

    // 240 twips are 16 pixels, 360 twips 24.
    for (int i = 0; i < modMain::QuestionCount; ++i) {
        const QRect number = form.Label17(i).geometry();
        QCOMPARE(number.size(), QSize(25, 17));
        QCOMPARE(form.lbl1(i).geometry(), number.translated(48, 0));
        QCOMPARE(form.Label23(i).geometry(), number.translated(96, 0));
        if (i == 0 || i == 26) QCOMPARE(number.top(), 40);
        if (i > 0 && i != 26) {
            const int gap = number.top() - form.Label17(i - 1).geometry().top();
            QCOMPARE(gap, i == 12 ? 24 : 16);
        }
        QCOMPARE(number.left(), i < 26 ? 24 : 176);
        QVERIFY2(form.Label17(i).fontMetrics().horizontalAdvance(form.Label17(i).text()) <=
                     number.width(),
                 "the question number fits its label");
    }
    QCOMPARE(form.Label17(0).text(), "問１");
    QCOMPARE(form.Label17(8).text(), "問９");
    QCOMPARE(form.Label17(9).text(), "問10");
    QCOMPARE(form.Label17(49).text(), "問50");
    QCOMPARE(form.Frame1->geometry(), QRect(336, 264, 377, 225));
    QCOMPARE(form.Frame1->title(), "");
}

void TestResultsSheet::windowIsFixedWithAMinimizeBox() {
    sheet::fillExam({0, 0, 0});
    frmSeiseki &form = Forms::frmSeiseki().Show();

    QCOMPARE(form.size(), QSize(740, 535));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    // An ordinary window: a utility window stays above the exam window in a review, and a
    // minimised window needs its task-bar entry to be found again.
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.windowTitle(), "Quizra");
}

void TestResultsSheet::focusStartsInTxt1AndFollowsTheTabOrder() {
    sheet::fillExam({0, 0, 0});
    frmSeiseki &form = Forms::frmSeiseki().Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    const QList<QWidget *> order = {form.txt1, form.txt2,        form.txt3,       form.cmdEnd,
                                    form.txt4, form.txt5,        form.txt6,       form.txt7,
                                    form.txt8, &form.Label17(0), &form.Label17(1)};
    for (QWidget *expected : order) {
        QCOMPARE(QApplication::focusWidget(), expected);
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
    }

    // The boxes take the focus but no typing.
    form.txt1->setFocus();
    QTest::keyClick(form.windowHandle(), Qt::Key_9);
    QCOMPARE(form.txt1->text(), "0");
}

QTEST_MAIN(TestResultsSheet)
#include "tst_results_sheet.moc"
