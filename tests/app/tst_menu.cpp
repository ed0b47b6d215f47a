// The menu: its layout, the start of an exam and the end of the program.
#include "app/forms.h"
#include "app/frmMenu.h"
#include "bank/clock.h"
#include "bank/modMain.h"
#include "bank/random.h"
#include "exam/frmSiken.h"
#include "support/programseams.h"
#include "support/questionbank.h"
#include "support/textsfit.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

class MenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Program::Initialise(*qApp); }
    void cleanup() {
        quizra::setClock({});
        quizra::setRandomSource({});
    }

    void layoutIsAsDesigned() {
        ProgramSeams seams;
        frmMenu &menu = Forms::frmMenu().Show();
        QCOMPARE(menu.size(), QSize(365, 206));
        QCOMPARE(menu.minimumSize(), menu.maximumSize());
        QVERIFY(!(menu.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(menu.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(menu.Label1->text(), QStringLiteral("Quizra 模擬試験"));
        QCOMPARE(menu.Label1->alignment(), Qt::AlignCenter);
        QCOMPARE(menu.Label1->font().pointSizeF(), 15.75);
        // Whichever Japanese gothic the machine has stands in for the designed face.
        const QString face = QFontInfo(menu.Label1->font()).family();
        QVERIFY2(QFontDatabase::writingSystems(face).contains(QFontDatabase::Japanese),
                 qPrintable(face));
        QCOMPARE(menu.cmd1->text(), QStringLiteral("試験開始"));
        QCOMPARE(menu.cmd1->geometry(), QRect(200, 96, 137, 41));
        QCOMPARE(menu.cmdEnd->text(), QStringLiteral("終　了"));
        QCOMPARE(menu.cmdEnd->geometry(), QRect(200, 152, 137, 41));
        QVERIFY(!menu.Text1->isVisible());
    }

    // The suite runs once more under the qt6ct theme with a large font in its settings: the
    // theme replaces the application's font, and the windows keep theirs.
    void noPlatformThemeCutsATextOfTheMenuOrTheExam() {
        ProgramSeams seams;
        QuestionBank emptyBank;
        quizra::setClock([] { return 46000.25; });
        QCoreApplication::processEvents(); // a theme applies its settings once events run
        if (qEnvironmentVariable("QT_QPA_PLATFORMTHEME") == "qt6ct")
            QVERIFY2(QApplication::font() != Program::WindowFont(), "qt6ct set no font");
        frmMenu &menu = Forms::frmMenu().Show();
        QCOMPARE(menu.font(), Program::WindowFont());
        QVERIFY2(cutTexts(&menu).isEmpty(), qPrintable(cutTexts(&menu).join(" | ")));
        menu.cmd1->click();
        frmSiken &exam = *Forms::frmSiken();
        exam.Timer1_Timer();
        exam.cmdCorAns_Click();
        QVERIFY2(cutTexts(&exam).isEmpty(), qPrintable(cutTexts(&exam).join(" | ")));
    }

    void focusStartsOnTheStartButtonAndTabMovesOn() {
        ProgramSeams seams;
        frmMenu &menu = Forms::frmMenu().Show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QCOMPARE(QApplication::focusWidget(), menu.cmd1);
        QTest::keyClick(menu.windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), menu.cmdEnd);
    }

    void enterOnTheStartButtonStartsAnExam() {
        ProgramSeams seams;
        QuestionBank bank;
        bank.write("TOI1.ini", "[COUNT]\nALL=1\n");
        frmMenu &menu = Forms::frmMenu().Show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QTest::keyClick(menu.windowHandle(), Qt::Key_Return);
        QVERIFY(Forms::frmSiken().IsLoaded());
        QVERIFY(!Forms::frmMenu().IsLoaded());
    }

    void loadingSeedsTheGeneratorFromTheTimeOfDay() {
        ProgramSeams seams;
        const auto firstDrawsAt = [](double when) {
            quizra::setClock([when] { return when; });
            Forms::frmMenu().Unload();
            Forms::frmMenu().Show();
            return std::pair(quizra::Rnd(), quizra::Rnd());
        };
        FormSlot<frmSiken> keepAlive;
        keepAlive.Load();
        const double morning = 46000.375, sameTimeNextDay = 46001.375, noon = 46000.5;
        QCOMPARE(firstDrawsAt(morning), firstDrawsAt(sameTimeNextDay));
        QVERIFY(firstDrawsAt(morning) != firstDrawsAt(noon));
    }

    void startWithoutABankSaysSoAndWithOneFileOpensTheRestEmpty() {
        ProgramSeams seams;
        QuestionBank bank;
        modMain::Mondai(3).bun = "left over";
        modMain::Kaitou(7) = 2;
        modMain::Kaitou(50) = 4;
        quizra::setClock([] { return 46000.25; });

        // No question file at all: no exam of 50 empty questions, the menu stays.
        Forms::frmMenu().Show().cmd1->click();
        QCOMPARE(seams.messages.size(), 1);
        QVERIFY2(seams.messages[0].startsWith(QStringLiteral("問題集が見つかりません。\n\n")) &&
                     seams.messages[0].contains(bank.path()),
                 qPrintable(seams.messages[0]));
        QVERIFY(!Forms::frmSiken().IsLoaded());
        QVERIFY(Forms::frmMenu()->isVisible());

        // One file is a bank; the files missing from it are empty questions, no error.
        bank.write("toi2.ini", "[COUNT]\nALL=1\n[SEC1]\nbun=問題\nans=3\n");
        Forms::frmMenu()->cmd1->click();
        QVERIFY(Forms::frmSiken().IsLoaded());
        QVERIFY(!Forms::frmMenu().IsLoaded());
        QCOMPARE(Forms::frmSiken()->iNumber, 0);
        QCOMPARE(modMain::StartTime, 46000.25);
        for (int i = 0; i < modMain::QuestionCount; ++i) {
            QCOMPARE(modMain::Mondai(i).ans, i == 1 ? 3 : 0);
            QCOMPARE(modMain::Kaitou(i), 0);
        }
        QCOMPARE(modMain::Mondai(3).bun, std::string());
        QCOMPARE(modMain::Kaitou(50), 4); // slot 50 is never touched
        QCOMPARE(seams.messages.size(), 1);
        QCOMPARE(seams.ends, 0);
    }

    void overflowInTheBankIsReportedAndTheMenuStays() {
        ProgramSeams seams;
        QuestionBank bank;
        bank.write("TOI3.ini", "[COUNT]\nALL=1\n[SEC1]\nbun=問題\nans=40000\n");

        frmMenu &menu = Forms::frmMenu().Show();
        menu.cmd1->click();

        // The number set apart, then where in the bank, then what went wrong.
        QCOMPARE(seams.messages.size(), 1);
        const QStringList lines = seams.messages[0].split('\n');
        QVERIFY2(lines.size() == 4 && lines[0].endsWith(" 6") && lines[1].isEmpty() &&
                     lines[2].endsWith("TOI3.ini [SEC1] ans=40000") &&
                     lines[3] == "オーバーフローしました。",
                 qPrintable(seams.messages[0]));
        QVERIFY(!Forms::frmSiken().IsLoaded());
        QVERIFY(Forms::frmMenu().IsLoaded());
        QVERIFY(menu.isVisible() && menu.isEnabled());
        QCOMPARE(seams.ends, 0);
    }

    void exitButtonEndsTheProgramAtOnce() {
        ProgramSeams seams;
        Forms::frmMenu().Show().cmdEnd->click();
        QCOMPARE(seams.ends, 1);
        QCOMPARE(Program::ExitStatus(), 0);
        QCOMPARE(FormSlotBase::LoadedCount(), 0);
    }

    void closingTheMenuByItsFrameEndsTheProgram() {
        ProgramSeams seams;
        Forms::frmMenu().Show().close();
        QCOMPARE(seams.ends, 1);
        QCOMPARE(Program::ExitStatus(), 0);
        QVERIFY(!Forms::frmMenu().IsLoaded());
    }
};

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
