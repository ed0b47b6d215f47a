// Soak: many exams in one process on the sample bank beside the executable, each one drawn,
// answered, finished, graded, reviewed and closed through the windows' own handlers. Resident
// memory is read every 25 exams after the first 50; a leak shows as a steady climb, while the
// heap's own ups and downs come and go. So the run is judged by the trend, the median of the
// slopes between every two readings (robust to a few steps either way), which must stay under
// 256 kB per 1,000 exams (a quarter of a kB an exam); and no window may outlive its exam.
// Usage: quizra_soak [EXAMS] (default 2000).

#include "app/forms.h"
#include "app/frmMenu.h"
#include "app/program.h"
#include "exam/frmSiken.h"
#include "results/frmSeiseki.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

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

// kB per exam that readings taken every `every` exams climb by: the median of the slopes
// between every two of them (the Theil-Sen estimate).
double trend(const std::vector<long> &readings, int every) {
    std::vector<double> slopes;
    for (std::size_t i = 0; i < readings.size(); ++i)
        for (std::size_t j = i + 1; j < readings.size(); ++j)
            slopes.push_back(static_cast<double>(readings[j] - readings[i]) /
                             static_cast<double>((j - i) * every));
    if (slopes.empty()) return 0;
    std::nth_element(slopes.begin(), slopes.begin() + slopes.size() / 2, slopes.end());
    return slopes[slopes.size() / 2];
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

    const int exams = argc > 1 ? std::atoi(argv[1]) : 2000;
    constexpr int WarmUp = 50, Every = 25;
    constexpr double LimitKbPer1000 = 256;
    Forms::frmMenu().Show();
    std::vector<long> resident;
    qsizetype mostWidgets = 0;
    for (int e = 1; e <= exams; ++e) {
        takeExam(e);
        mostWidgets = std::max(mostWidgets, QApplication::allWidgets().size());
        if (e >= WarmUp && e % Every == 0) resident.push_back(statusKb("VmRSS"));
    }
    const double kbPer1000 = trend(resident, Every) * 1000;
    // Only the menu's widgets remain between exams.
    const qsizetype menuWidgets = QApplication::allWidgets().size();

    std::printf("exams                    %d\n", exams);
    std::printf("resident after %d exams  %ld kB\n", WarmUp,
                resident.empty() ? -1 : resident.front());
    std::printf("resident at the end      %ld kB (peak %ld kB)\n",
                resident.empty() ? -1 : resident.back(), statusKb("VmHWM"));
    std::printf("trend                    %.1f kB per 1000 exams over %zu readings (limit %.0f)\n",
                kbPer1000, resident.size(), LimitKbPer1000);
    std::printf("widgets after an exam     %lld at most; the menu alone has %lld\n",
                static_cast<long long>(mostWidgets), static_cast<long long>(menuWidgets));
    std::printf("top-level windows left   %lld\n",
                static_cast<long long>(QApplication::topLevelWidgets().size()));
    std::printf("messages %d, ends %d\n", messages, ends);

    FormSlotBase::DiscardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool flat = resident.size() < 8 || kbPer1000 < LimitKbPer1000;
    return flat && messages == 0 && ends == 0 && mostWidgets == menuWidgets ? 0 : 1;
}
