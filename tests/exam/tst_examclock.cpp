#include "examfixture.h"

#include "exam/examClock.h"

#include <QtTest>

namespace {
constexpr double Second = 1.0 / quizra::SecondsPerDay;
double elapsed(int minutes, int seconds) {
    return ExamFixture::Start + (minutes * 60 + seconds) * Second;
}
} // namespace

// The countdown: worked out from the clock on every tick, finishing the exam once time is up.
class ExamClock : public QObject {
    Q_OBJECT

private slots:
    void remainingText_data() {
        QTest::addColumn<double>("now");
        QTest::addColumn<QString>("text");
        QTest::newRow("at the start") << elapsed(0, 0) << "01:10";
        QTest::newRow("first tick") << elapsed(0, 1) << "01:09";
        QTest::newRow("whole minutes are not rounded up") << elapsed(1, 1) << "01:08";
        QTest::newRow("68 min 30 s") << elapsed(68, 30) << "00:01";
        QTest::newRow("exactly one minute left") << elapsed(69, 0) << "00:01";
        QTest::newRow("69 min 1 s") << elapsed(69, 1) << "00:00";
        QTest::newRow("one second past the end") << elapsed(70, 1) << "00:00";
        QTest::newRow("after a three-hour suspend") << elapsed(180, 0) << "00:00";
        QTest::newRow("clock set back half an hour") << elapsed(-30, 0) << "01:40";
        QTest::newRow("clock set back a day: hours mod 24") << elapsed(-24 * 60, 0) << "01:10";
        // 69 minutes as the sum of separately rounded day fractions lands a hair off the second.
        QTest::newRow("date noise") << ExamFixture::Start + 69.0 / 1440.0 + 1e-12 << "00:01";
    }
    void remainingText() {
        QFETCH(double, now);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(examClock::remainingText(ExamFixture::Start, now)), text);
    }

    void ticksCountDownThenFinishOnce() {
        ExamFixture f;
        frmSiken &exam = f.start();
        QVERIFY(exam.Timer1->isActive());
        QCOMPARE(exam.Timer1->interval(), 1000);
        QCOMPARE(exam.lblTime->text(), "");
        f.now = elapsed(0, 1);
        QMetaObject::invokeMethod(exam.Timer1, "timeout");
        QCOMPARE(exam.lblTime->text(), "01:09");
        f.now = elapsed(68, 30);
        exam.Timer1_Timer();
        QCOMPARE(exam.lblTime->text(), "00:01");
        QVERIFY(exam.isVisible());
        exam.Option1(1).click();
        f.now = elapsed(69, 1);
        exam.Timer1_Timer();
        QCOMPARE(modMain::Kaitou(0), 2);
        QVERIFY(!exam.isVisible() && Forms::frmSeiseki()->isVisible());
        QVERIFY(!exam.Timer1->isActive());
        QCOMPARE(exam.lblTime->text(), "");
        Forms::frmSiken().Show(); // a review does not restart the clock
        QVERIFY(!exam.Timer1->isActive());
        QCOMPARE(exam.lblTime->text(), "");
    }

    void tickAfterASuspendFinishesTheExam() {
        ExamFixture f;
        frmSiken &exam = f.start();
        f.now = elapsed(3 * 60, 0);
        exam.Timer1_Timer();
        QVERIFY(!exam.isVisible() && Forms::frmSeiseki()->isVisible());
        QVERIFY(!exam.Timer1->isActive());
        QCOMPARE(f.messages, QStringList{});
    }
};

QTEST_MAIN(ExamClock)
#include "tst_examclock.moc"
