// Quizra started exactly as its main starts it, with a probe for the benchmark launcher:
//   quizra_probe startup            prints "paint <ns>" at the menu's first paint, then quits;
//   quizra_probe exam <bank folder> takes a whole exam on that bank (start, 49 times the next
//                                   question, finish, the results sheet painted), prints
//                                   "done <ns>", then quits.

#include "paint_probe.h"

#include "app/forms.h"
#include "app/frmMenu.h"
#include "app/startup.h"
#include "bank/files.h"
#include "exam/frmSiken.h"
#include "results/frmSeiseki.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

bool isMenu(QWidget *window) {
    return qobject_cast<frmMenu *>(window) != nullptr;
}
bool isExam(QWidget *window) {
    return qobject_cast<frmSiken *>(window) != nullptr;
}
bool isSheet(QWidget *window) {
    return qobject_cast<frmSeiseki *>(window) != nullptr;
}

// Clicks button and waits until a window that which accepts has been painted.
void clickAndWait(PaintProbe &probe, QAbstractButton *button, PaintProbe::Which which) {
    probe.arm(std::move(which));
    button->click();
    probe.wait();
}

void takeExam(PaintProbe &probe) {
    clickAndWait(probe, Forms::frmMenu()->cmd1, isExam);
    frmSiken &exam = *Forms::frmSiken();
    for (int question = 1; question < 50; ++question)
        clickAndWait(probe, exam.cmdNext, isExam);
    clickAndWait(probe, exam.cmdSyuuryou, isSheet);
    std::printf("done %lld\n", static_cast<long long>(monotonicNs()));
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    PaintProbe probe;
    if (argc > 2 && std::strcmp(argv[1], "exam") == 0) {
        quizra::setBankDirectory(argv[2]);
        probe.onPaint = [&probe, started = false](QWidget *window, std::int64_t) mutable {
            if (started || !isMenu(window)) return;
            started = true;
            QTimer::singleShot(0, [&probe] { takeExam(probe); });
        };
    } else {
        quitAtFirstPaint(probe, isMenu);
    }
    return runQuizra(app);
}
