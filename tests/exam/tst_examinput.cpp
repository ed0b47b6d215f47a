#include "examfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QtTest>

// What a person meets at the window: focus, tab order, clicks, keys and assistive technology.
class ExamInput : public QObject {
    Q_OBJECT

    static QString accessible(QWidget *widget, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    }

private slots:
    void focusStartsOnTheQuestionAndTabFollowsTheDesign() {
        ExamFixture f;
        frmSiken &exam = f.start();
        QVERIFY(QTest::qWaitForWindowActive(&exam));
        QCOMPARE(QApplication::focusWidget(), exam.txtQ);
        // The four choices make one stop; the arrow keys move within them. 前の問題 is
        // disabled on the first question.
        const QList<QWidget *> order{&exam.Option1(0), exam.cmdCorAns, exam.cmdSyuuryou,
                                     exam.cmdNext, exam.txtQ};
        for (QWidget *next : order) {
            QTest::keyClick(exam.windowHandle(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // Enter that went down on the menu repeats into the exam window; only a fresh press acts.
    void aKeyHeldFromTheMenuDoesNothing() {
        ExamFixture f;
        frmSiken &exam = f.start();
        QVERIFY(QTest::qWaitForWindowActive(&exam));
        exam.cmdSyuuryou->setFocus();
        for (int repeat = 0; repeat < 3; ++repeat)
            QTest::simulateEvent(exam.windowHandle(), true, Qt::Key_Return, {}, {}, true);
        QTest::simulateEvent(exam.windowHandle(), false, Qt::Key_Return, {}, {}, false);
        QVERIFY(!Forms::frmSeiseki().IsLoaded());
        QTest::keyClick(exam.windowHandle(), Qt::Key_Return);
        QVERIFY(Forms::frmSeiseki().IsLoaded());
    }

    // Enter on 前の問題 down to the first question stays there, however often it is pressed.
    void aMoveButtonThatTurnsDisabledHandsTheFocusToTheQuestion() {
        ExamFixture f;
        frmSiken &exam = f.start();
        QVERIFY(QTest::qWaitForWindowActive(&exam));
        exam.cmdNext_Click();
        exam.cmdBefore->setFocus();
        for (int press = 0; press < 3; ++press)
            QTest::keyClick(exam.windowHandle(), Qt::Key_Return);
        QCOMPARE(exam.iNumber, 0);
        QCOMPARE(QApplication::focusWidget(), exam.txtQ);
    }

    void arrowKeysFollowTheChoicesAsTheyLie_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("stacked: Down to the choice below") << 1 << 1 << int(Qt::Key_Down) << 2;
        QTest::newRow("stacked: Right stays") << 1 << 1 << int(Qt::Key_Right) << 1;
        QTest::newRow("in a row: Right to the next") << 0 << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("in a row: Left to the previous") << 0 << 1 << int(Qt::Key_Left) << 0;
        QTest::newRow("in a row: Down stays") << 0 << 1 << int(Qt::Key_Down) << 1;
    }
    void arrowKeysFollowTheChoicesAsTheyLie() {
        QFETCH(int, type);
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        ExamFixture f;
        modMain::Mondai(0).type = static_cast<std::int16_t>(type);
        frmSiken &exam = f.start();
        QVERIFY(QTest::qWaitForWindowActive(&exam));
        QTest::keyClick(exam.windowHandle(), static_cast<Qt::Key>(Qt::Key_1 + from));
        QTest::keyClick(exam.windowHandle(), static_cast<Qt::Key>(key));
        QCOMPARE(QApplication::focusWidget(), &exam.Option1(to));
        QVERIFY(exam.Option1.Value(to));
    }

    void clickOnTheVisiblePartOfAnOverlappedChoice() {
        ExamFixture f;
        frmSiken &exam = f.start();
        QVERIFY(QTest::qWaitForWindowExposed(&exam));
        // Inside Option1(0)'s box, on Option1(1)'s button, which lies in front.
        QRadioButton &second = exam.Option1(1);
        QVERIFY(exam.Option1(0).geometry().contains(second.geometry().topLeft()));
        const QPoint onSecond = second.mapTo(&exam, QPoint(6, second.height() / 2));
        QTest::mouseClick(exam.windowHandle(), Qt::LeftButton, {}, onSecond);
        QVERIFY(second.isChecked());
        const QPoint onFirst = exam.Option1(0).mapTo(&exam, QPoint(6, second.height() / 2));
        QTest::mouseClick(exam.windowHandle(), Qt::LeftButton, {}, onFirst);
        QVERIFY(exam.Option1(0).isChecked() && !second.isChecked());
    }

    void keysOneToFourChoose() {
        ExamFixture f;
        frmSiken &exam = f.start();
        QVERIFY(QTest::qWaitForWindowActive(&exam));
        exam.txtQ->setFocus();
        for (int k : {2, 0, 3, 1}) {
            QTest::keyClick(exam.windowHandle(), static_cast<Qt::Key>(Qt::Key_1 + k));
            QVERIFY2(exam.Option1.Value(k), qPrintable(QString("key %1").arg(k + 1)));
            QCOMPARE(QApplication::focusWidget(), &exam.Option1(k));
        }
        exam.cmdNext_Click();
        QCOMPARE(modMain::Kaitou(0), 2);
    }

    void accessibleNamesDescribeTheQuestion() {
        ExamFixture f;
        modMain::Mondai(0).bmp = "missing.bmp";
        frmSiken &exam = f.start();
        QCOMPARE(accessible(exam.txtQ, QAccessible::Name), "問題文");
        QCOMPARE(accessible(exam.txtQ, QAccessible::Value), "Q1");
        QCOMPARE(accessible(&exam.Option1(2), QAccessible::Name), "(3)c");
        QVERIFY(accessible(&exam.Option1(2), QAccessible::Description).contains("3"));
        QCOMPARE(accessible(exam.Image1, QAccessible::Name), "問題の図");
        QCOMPARE(accessible(exam.findChild<QLabel *>("lblPictureNotice"), QAccessible::Name),
                 "画像を表示できません: missing.bmp");
        // The time is heard with its minutes; while the clock is stopped, its caption alone.
        const QString stopped = accessible(exam.Frame1, QAccessible::Name);
        QCOMPARE(accessible(exam.lblTime, QAccessible::Name), stopped);
        f.now = ExamFixture::Start + 61 / quizra::SecondsPerDay;
        exam.Timer1_Timer();
        QCOMPARE(exam.lblTime->text(), "01:08");
        QCOMPARE(accessible(exam.lblTime, QAccessible::Name), "残り時間 01:08");
        QCOMPARE(accessible(exam.Frame3, QAccessible::Name), "正 答");
        exam.cmdCorAns_Click();
        QCOMPARE(accessible(exam.lblCorAns, QAccessible::Name), "(1)");
        exam.cmdSyuuryou_Click();
        QCOMPARE(accessible(exam.lblTime, QAccessible::Name), stopped);
    }
};

QTEST_MAIN(ExamInput)
#include "tst_examinput.moc"
