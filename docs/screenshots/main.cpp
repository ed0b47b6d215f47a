// Renders the three windows on the sample bank to PNG files for the README:
//   quizra-screenshots OUTDIR
// It runs offscreen, with a fixed draw and a fixed clock, so the pictures change only when
// the windows or the sample bank do.
#include "app/forms.h"
#include "app/frmMenu.h"
#include "bank/clock.h"
#include "bank/modMain.h"
#include "bank/random.h"
#include "exam/frmSiken.h"
#include "results/frmSeiseki.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

bool save(QWidget &window, const QDir &out, const char *name) {
    QCoreApplication::processEvents();
    const QString path = out.filePath(QString::fromLatin1(name));
    if (window.grab().save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The choice a made-up candidate takes: mostly right in the first two sections, mostly wrong
// in the third, so that the sheet shows both colours.
int choiceFor(int index) {
    const int correct = modMain::Mondai(index).ans;
    const bool right = index < 26 ? index % 3 != 0 : index % 4 == 0;
    return right ? correct - 1 : correct % 4;
}

// Moves the exam forward to question index, choosing on each question passed.
void walkTo(frmSiken &exam, int index) {
    while (exam.iNumber < index) {
        exam.Option1(choiceFor(exam.iNumber)).click();
        exam.cmdNext->click();
    }
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Program::Initialise(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quizra-screenshots OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    quizra::setRandomSource([] { return 0.0; }); // the first entry of every file
    quizra::setClock([] { return 46000.4; });

    bool ok = save(Forms::frmMenu().Show(), out, "menu.png");
    Forms::frmMenu()->cmd1->click();
    frmSiken &exam = *Forms::frmSiken();
    quizra::setClock([] { return 46000.4 + 23.0 / 1440; }); // 23 minutes into the exam
    exam.Timer1_Timer();

    walkTo(exam, 14); // a picture below stacked choices
    exam.Option1(0).click();
    ok = save(exam, out, "exam-stacked.png") && ok;
    walkTo(exam, 20); // a picture below choices side by side
    exam.Option1(1).click();
    exam.cmdCorAns->click();
    ok = save(exam, out, "exam-row.png") && ok;

    walkTo(exam, 49);
    exam.cmdSyuuryou->click();
    ok = save(*Forms::frmSeiseki(), out, "results.png") && ok;

    FormSlotBase::DiscardAll();
    return ok ? 0 : 1;
}
