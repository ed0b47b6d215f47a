#include "frmMenu.h"

#include "app/forms.h"
#include "bank/clock.h"
#include "bank/modMain.h"
#include "bank/random.h"
#include "exam/frmSiken.h"
#include "twips.h"

#include <QFontMetrics>
#include <QTimer>

#include <utility>

namespace {

// Lays out characters of every kind the exam window shows, in its font: Qt loads the fonts that
// stand in for the characters its font lacks the first time it meets them, and the first exam
// start then finds them loaded.
void prepareExamFonts() {
    QFontMetrics(Program::WindowFont())
        .horizontalAdvance(QStringLiteral(
            "題1問（1）(1)ア漢字かなカナー。、＜前の問題次の問題＞試験終了正答表示残り時間01:09"));
}

} // namespace

frmMenu::frmMenu() : Form(5475, 3090, Border::FixedSingle) {
    Label1 = new QLabel(QStringLiteral("Quizra 模擬試験"), this);
    twips::place(Label1, 120, 360, 5175, 615);
    Label1->setAlignment(Qt::AlignCenter);
    QFont title(QStringLiteral("ＭＳ Ｐゴシック"));
    title.setPointSizeF(15.75);
    title.setWeight(QFont::Normal);
    Label1->setFont(title);

    cmd1 = new CommandButton(QStringLiteral("試験開始"), this);
    twips::place(cmd1, 3000, 1440, 2055, 615);

    cmdEnd = new CommandButton(QStringLiteral("終　了"), this);
    twips::place(cmdEnd, 3000, 2280, 2055, 615);

    // Nothing reads or writes this box; it stays out of sight and out of the tab order.
    Text1 = new QLineEdit(QStringLiteral("1"), this);
    twips::place(Text1, 240, 1800, 735, 495);
    Text1->setVisible(false);
    Text1->setFocusPolicy(Qt::NoFocus);

    setTabOrder(cmd1, cmdEnd);
    cmd1->setFocus();

    on(cmd1, &QAbstractButton::clicked, &frmMenu::cmd1_Click);
    on(cmdEnd, &QAbstractButton::clicked, &frmMenu::cmdEnd_Click);
}

// Once the menu shows, while the candidate reads it.
void frmMenu::paintEvent(QPaintEvent *event) {
    Form::paintEvent(event);
    static bool prepared = false;
    if (!std::exchange(prepared, true)) QTimer::singleShot(0, this, prepareExamFonts);
}

void frmMenu::Form_Load() {
    quizra::Randomize(quizra::TimeOfDay());
}

void frmMenu::cmd1_Click() {
    // A question file the draw cannot use: tell the candidate and the bank's author where, and
    // keep the menu open rather than ending the program.
    try {
        modMain::MakeMondai();
    } catch (const quizra::QuizraError &) {
        Program::MsgBox(Program::ErrorReport(std::current_exception()));
        return;
    }
    modMain::ClearAns();
    Forms::frmSiken().Show();
    modMain::StartTime = quizra::Now();
    Forms::frmSiken()->iNumber = 0;
    // The exam window is loaded afresh here, and its load step has shown question 0 with
    // iNumber 0 already: showing it once more would change nothing on the screen.
    Unload();
}

void frmMenu::cmdEnd_Click() {
    Program::End();
}
