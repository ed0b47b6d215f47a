#include "exam/examfixture.h"
#include "results/sheet.h"

#include <QtTest>

// The exam clock against a clock that jumps, a machine that sleeps, and ticks that come late, in
// bursts, or together with the finish button: the exam finishes once and is graded once.
class ClockFaults : public QObject {
    Q_OBJECT

    static frmSiken &exam() { return *Forms::frmSiken(); }

    static double minutesIn(double minutes) { return ExamFixture::Start + minutes / 1440.0; }

    // Queues count timer events of Timer1 as the event loop does when ticks pile up. A stopped
    // timer has no id to queue events for.
    static void queueTicks(int count) {
        for (int i = 0; i < count && exam().Timer1->isActive(); ++i)
            QCoreApplication::postEvent(exam().Timer1, new QTimerEvent(exam().Timer1->timerId()));
    }
    static void deliverQueuedTicks() {
        QCoreApplication::sendPostedEvents(exam().Timer1, QEvent::Timer);
    }

    // Results windows loaded so far; unloaded ones wait for deletion and still count.
    static int resultWindowsLoaded() {
        int count = 0;
        for (QWidget *widget : QApplication::allWidgets())
            count += qobject_cast<frmSeiseki *>(widget) != nullptr;
        return count;
    }

    // The exam is over, once: the sheet shows, the exam window is hidden with its clock stopped
    // and its time label empty, and one results window was ever loaded.
    static void checkFinishedOnce() {
        QVERIFY(Forms::frmSeiseki().IsLoaded() && Forms::frmSeiseki()->isVisible());
        QVERIFY(!exam().isVisible());
        QVERIFY(!exam().Timer1->isActive());
        QCOMPARE(exam().lblTime->text(), "");
        QCOMPARE(resultWindowsLoaded(), 1);
    }

private slots:
    // Ticks at the given minutes after the start; the label after each, "finished" once the
    // exam is over (no later tick comes).
    void clockJumps_data() {
        QTest::addColumn<QList<double>>("minutes");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("set back three hours, then right again")
            << QList<double>{0.02, -180, 2.5} << QStringList{"01:09", "04:10", "01:07"};
        QTest::newRow("set back a day: the hours wrap, the exam goes on")
            << QList<double>{-24 * 60} << QStringList{"01:10"};
        QTest::newRow("set forward two hours")
            << QList<double>{0.02, 120, 121} << QStringList{"01:09", "finished", "finished"};
        QTest::newRow("a suspend longer than the exam")
            << QList<double>{10, 10.02, 8 * 60} << QStringList{"01:00", "00:59", "finished"};
        QTest::newRow("a suspend of more than a day")
            << QList<double>{1, 25 * 60 + 30} << QStringList{"01:09", "finished"};
        QTest::newRow("late ticks") << QList<double>{7.5, 40, 68.99, 69.01}
                                    << QStringList{"01:02", "00:30", "00:01", "finished"};
        QTest::newRow("set back after the end")
            << QList<double>{70, -60} << QStringList{"finished", "finished"};
    }
    void clockJumps() {
        QFETCH(QList<double>, minutes);
        QFETCH(QStringList, labels);
        ExamFixture f;
        f.start();
        for (qsizetype i = 0; i < minutes.size(); ++i) {
            f.now = minutesIn(minutes[i]);
            queueTicks(1);
            deliverQueuedTicks();
            if (labels[i] == "finished") {
                checkFinishedOnce();
            } else {
                QCOMPARE(exam().lblTime->text(), labels[i]);
                QVERIFY(exam().isVisible() && exam().Timer1->isActive());
            }
        }
        QCOMPARE(f.messages, QStringList{});
    }

    // Ticks that piled up while the machine was busy all arrive once time is up.
    void aBurstOfLateTicksFinishesOnce() {
        ExamFixture f;
        f.start();
        exam().Option1(2).click();
        f.now = minutesIn(200);
        queueTicks(5);
        deliverQueuedTicks();
        checkFinishedOnce();
        QCOMPARE(modMain::Kaitou(0), 3);
    }

    // The candidate presses finish while a tick that ends the exam waits in the queue.
    void buttonThenQueuedTickFinishesOnce() {
        ExamFixture f;
        f.start();
        exam().Option1(1).click();
        f.now = minutesIn(69.5);
        queueTicks(2);
        sheet::click(exam().cmdSyuuryou);
        QCOMPARE(Forms::frmSeiseki()->Label23(0).text(), "2");
        modMain::Kaitou(0) = 4; // a second grading would show this
        deliverQueuedTicks();
        checkFinishedOnce();
        QCOMPARE(Forms::frmSeiseki()->Label23(0).text(), "2");
    }

    // The clock ends the exam while the candidate's click on finish waits in the queue.
    void tickThenQueuedButtonFinishesOnce() {
        ExamFixture f;
        f.start();
        exam().Option1(3).click();
        f.now = minutesIn(69.5);
        QMetaObject::invokeMethod(exam().cmdSyuuryou, "click", Qt::QueuedConnection);
        queueTicks(1);
        deliverQueuedTicks();
        QCOMPARE(Forms::frmSeiseki()->Label23(0).text(), "4");
        modMain::Kaitou(0) = 1;
        QCoreApplication::processEvents();
        checkFinishedOnce();
        QCOMPARE(Forms::frmSeiseki()->Label23(0).text(), "4");
        QCOMPARE(modMain::Kaitou(0), 1);
    }

    // Ticks queued before the clock finished the exam must not yank the review away.
    void queuedTicksLeaveAReviewAlone() {
        ExamFixture f;
        f.start();
        f.now = minutesIn(70);
        const int staleTimerId = exam().Timer1->timerId();
        queueTicks(1);
        deliverQueuedTicks();
        sheet::click(&Forms::frmSeiseki()->Label17(7));
        QVERIFY(exam().isVisible());
        for (int i = 0; i < 3; ++i)
            QCoreApplication::postEvent(exam().Timer1, new QTimerEvent(staleTimerId));
        deliverQueuedTicks();
        QVERIFY(exam().isVisible());
        QCOMPARE(exam().iNumber, 7);
        QCOMPARE(exam().lblTime->text(), "");
        QCOMPARE(resultWindowsLoaded(), 1);
    }
};

QTEST_MAIN(ClockFaults)
#include "tst_clockfaults.moc"
