#include "frmMenu.h"

#include "app/bankfolder.h"
#include "app/fontwarmup.h"
#include "app/forms.h"
#include "bank/clock.h"
#include "bank/modMain.h"
#include "bank/random.h"
#include "exam/frmSiken.h"
#include "twips.h"

#include <QTimer>

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

void frmMenu::Form_Load() {
    quizra::Randomize(quizra::TimeOfDay());
}

// Once the menu shows, and not before it, the fonts of the exam window are made ready while the
// candidate reads the menu.
void frmMenu::paintEvent(QPaintEvent *event) {
    Form::paintEvent(event);
    QTimer::singleShot(0, &warmUpWindowFont);
}

void frmMenu::cmd1_Click() {
    // No exam of 50 empty questions: a folder without a single question file is no bank.
    if (!BankFolder::holdsBank()) {
        Program::MsgBox(BankFolder::notFoundReport());
        return;
    }
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
