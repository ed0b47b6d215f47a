#include "app/frmMenu.h"
#include "bank/clock.h"
#include "bank/files.h"
#include "bank/random.h"
#include "brokenbanks.h"
#include "exam/frmSiken.h"
#include "results/sheet.h"
#include "support/programseams.h"

#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using brokenbanks::Expect;

// Every broken bank and picture taken through the program as a candidate would: start from the
// menu, walk all 50 questions answering some, finish, review a few questions, close. Nothing may
// crash or hang; the candidate hears about what they need to, and the exam goes on.
class BrokenBanks : public QObject {
    Q_OBJECT

    static frmSiken &exam() { return *Forms::frmSiken(); }

    // The choice a candidate takes on question index i, 0 for none.
    static int choiceFor(int i) { return i % 3 == 0 ? i % 4 + 1 : 0; }

    static void choose(int choice) {
        QRadioButton &button = exam().Option1(choice - 1);
        QWidget *window = button.window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          button.mapTo(window, QPoint(8, button.height() / 2)));
    }

    // Question i on screen as the case leaves it: its number, its text when the case keeps it,
    // its picture or the red notice naming it.
    static void checkQuestion(const brokenbanks::Case &c, int i) {
        QCOMPARE(exam().Frame2->title(), QStringLiteral("題%1問").arg(i + 1));
        const bool concerned = i == c.question;
        if (!concerned || c.textKept)
            QCOMPARE(exam().txtQ->toPlainText(),
                     QString::fromStdString(brokenbanks::soundQuestionText(i)));
        const auto *notice = exam().findChild<QLabel *>(QStringLiteral("lblPictureNotice"));
        const bool noticed = concerned && c.expect == Expect::PictureNotice;
        QCOMPARE(notice->isVisibleTo(&exam()), noticed);
        if (noticed)
            QCOMPARE(notice->text(),
                     QStringLiteral("画像を表示できません: ") + QString::fromStdString(c.detail));
        const bool pictured =
            concerned ? c.expect == Expect::PictureShown : i == brokenbanks::SoundPictureQuestion;
        QCOMPARE(exam().Image1->hasPicture(), pictured);
    }

    static void walkAndAnswer(const brokenbanks::Case &c) {
        for (int i = 0; i < modMain::QuestionCount; ++i) {
            QCOMPARE(exam().iNumber, i);
            checkQuestion(c, i);
            if (QTest::currentTestFailed()) return;
            if (choiceFor(i)) choose(choiceFor(i));
            if (i < modMain::QuestionCount - 1) sheet::click(exam().cmdNext);
        }
        QVERIFY(!exam().cmdNext->isEnabled());
    }

    static void reviewFromTheSheet(const brokenbanks::Case &c) {
        frmSeiseki &sheet = *Forms::frmSeiseki();
        for (int i = 0; i < modMain::QuestionCount; ++i)
            QCOMPARE(sheet.Label23(i).text(),
                     choiceFor(i) ? QString::number(choiceFor(i)) : QString());
        for (int i : {c.question, modMain::QuestionCount - 1, 0}) {
            sheet::click(&sheet.Label17(i));
            QVERIFY(exam().isVisible());
            QCOMPARE(exam().iNumber, i);
            checkQuestion(c, i);
            for (int k = 0; k < 4; ++k)
                QCOMPARE(exam().Option1.Value(k), choiceFor(i) == k + 1);
        }
        sheet::click(exam().cmdSyuuryou);
        QVERIFY(sheet.isVisible() && !exam().isVisible());
    }

private slots:
    void cleanup() {
        quizra::setRandomSource({});
        quizra::setClock({});
        quizra::setBankDirectory({});
    }

    void programSurvives_data() {
        QTest::addColumn<int>("index");
        const auto &cases = brokenbanks::all();
        for (std::size_t i = 0; i < cases.size(); ++i)
            QTest::newRow(cases[i].name.c_str()) << static_cast<int>(i);
    }

    void programSurvives() {
        QFETCH(int, index);
        brokenbanks::Case c = brokenbanks::all()[static_cast<std::size_t>(index)];
        QTemporaryDir root;
        const std::filesystem::path bank = root.path().toStdString() + "/bank";
        brokenbanks::writeSoundBank(bank);
        if (c.spoil) c.spoil(bank);
        if (c.needsPermissionBits && access((bank / "TOI1.ini").c_str(), R_OK) == 0)
            QSKIP("permission bits do not stop this user from reading (running as root?)");

        ProgramSeams seams;
        quizra::setBankDirectory(bank.string());
        quizra::setRandomSource([r = c.r] { return r; });
        quizra::setClock([] { return 45000.5; });
        sheet::click(Forms::frmMenu().Show().cmd1);

        if (c.expect == Expect::Overflow) {
            QCOMPARE(seams.messages.size(), 1);
            QVERIFY2(seams.messages[0].section('\n', 0, 0).endsWith(QStringLiteral(" 6")) &&
                         seams.messages[0].contains(QString::fromStdString(c.detail)),
                     qPrintable(seams.messages[0]));
            QVERIFY(Forms::frmMenu()->isVisible());
            QVERIFY(!Forms::frmSiken().IsLoaded());
            // The menu is still usable: once the file is mended, the exam starts.
            seams.messages.clear();
            brokenbanks::writeSoundBank(bank);
            c.textKept = true;
            sheet::click(Forms::frmMenu()->cmd1);
        }
        QVERIFY(Forms::frmSiken().IsLoaded() && exam().isVisible());
        QVERIFY(!Forms::frmMenu().IsLoaded());
        if (c.afterDraw) c.afterDraw(bank);

        walkAndAnswer(c);
        if (QTest::currentTestFailed()) return;
        sheet::click(exam().cmdSyuuryou);
        QVERIFY(Forms::frmSeiseki().IsLoaded() && Forms::frmSeiseki()->isVisible());
        reviewFromTheSheet(c);
        if (QTest::currentTestFailed()) return;
        sheet::click(Forms::frmSeiseki()->cmdEnd);
        QVERIFY(Forms::frmMenu()->isVisible());
        QVERIFY(!Forms::frmSiken().IsLoaded() && !Forms::frmSeiseki().IsLoaded());

        QCOMPARE(seams.messages, QStringList{});
        QCOMPARE(seams.ends, 0);
    }
};

QTEST_MAIN(BrokenBanks)
#include "tst_brokenbanks.moc"
