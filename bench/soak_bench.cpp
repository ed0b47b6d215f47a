// Soak: many exams in one process on the sample bank beside the executable, each one drawn,
// answered, finished, graded, reviewed and closed through the windows' own handlers. Prints the
// peak resident memory after 10 exams and at the end; the growth between must stay under 1 MB,
// and no window may outlive its exam. Usage: quizra_soak [EXAMS] (default 1000).

#include "app/forms.h"
#include "app/frmMenu.h"
#include "app/program.h"
#include "exam/frmSiken.h"
#include "results/frmSeiseki.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// A line of /proc/self/status in kB, such as VmHWM (peak resident memory).
long statusKb(const std::string &key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0)
            return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
    return -1;
}

void takeExam(int seed) {
    Forms::frmMenu()->cmd1->click();
    frmSiken &exam = *Forms::frmSiken();
    for (int i = 0; i < 50; ++i) {
        if ((i + seed) % 5) exam.Option1((i + seed) % 4).click();
        if (i < 49) exam.cmdNext->click();
    }
    exam.cmdSyuuryou->click();
    frmSeiseki &sheet = *Forms::frmSeiseki();
    for (int i : {seed % 50, 0, 49}) {
        sheet.Label17(i).click();
        exam.Option1(seed % 4).click();
        exam.cmdSyuuryou->click();
    }
    sheet.cmdEnd->click();
    // Unloaded windows are deleted later: let that happen, as the event loop would.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Program::Initialise(app);
    int messages = 0, ends = 0;
    Program::setMsgBoxHandler([&](const QString &text) {
        ++messages;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    });
    Program::setEndHandler([&] { ++ends; });

    const int exams = argc > 1 ? std::atoi(argv[1]) : 1000;
    Forms::frmMenu().Show();
    long peakAfter10 = -1;
    qsizetype mostWidgets = 0;
    for (int e = 1; e <= exams; ++e) {
        takeExam(e);
        mostWidgets = std::max(mostWidgets, QApplication::allWidgets().size());
        if (e == 10) peakAfter10 = statusKb("VmHWM");
    }
    const long peakAtEnd = statusKb("VmHWM");
    // Only the menu's widgets remain between exams.
    const qsizetype menuWidgets = QApplication::allWidgets().size();

    std::printf("exams                    %d\n", exams);
    std::printf("peak RSS after 10 exams  %ld kB\n", peakAfter10);
    std::printf("peak RSS after %-4d exams %ld kB\n", exams, peakAtEnd);
    std::printf("growth                   %ld kB (limit 1024 kB)\n", peakAtEnd - peakAfter10);
    std::printf("widgets after an exam     %lld at most; the menu alone has %lld\n",
                static_cast<long long>(mostWidgets), static_cast<long long>(menuWidgets));
    std::printf("top-level windows left   %lld\n",
                static_cast<long long>(QApplication::topLevelWidgets().size()));
    std::printf("messages %d, ends %d\n", messages, ends);

    FormSlotBase::DiscardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool flat = exams < 10 || peakAtEnd - peakAfter10 < 1024;
    return flat && messages == 0 && ends == 0 && mostWidgets == menuWidgets ? 0 : 1;
}
