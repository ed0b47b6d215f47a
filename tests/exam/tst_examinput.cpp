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
    void focusStartsOnFinishAndTabFollowsTheDesign() {
        ExamFixture f;
        frmSiken &exam = f.start();
        QVERIFY(QTest::qWaitForWindowActive(&exam));
        QCOMPARE(QApplication::focusWidget(), exam.cmdSyuuryou);
        // The four choices make one stop; the arrow keys move within them.
        const QList<QWidget *> order{exam.cmdNext, exam.txtQ, &exam.Option1(0), exam.cmdCorAns,
                                     exam.cmdSyuuryou};
        for (QWidget *next : order) {
            QTest::keyClick(exam.windowHandle(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
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
