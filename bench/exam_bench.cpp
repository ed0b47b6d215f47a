// In-process timings of the exam window, from a click to the end of the repaint it causes:
// starting an exam from the menu, and moving to the next or previous question. Each timing
// ends when the window has been painted, as the candidate sees it; the median is a counter.

#include "bank.h"
#include "paint_probe.h"
#include "picture.h"

#include "app/forms.h"
#include "app/frmMenu.h"
#include "app/program.h"
#include "bank/files.h"
#include "exam/frmSiken.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Banks {
    benchbank::TempDir root{"exam-bench"};
    fs::path sample = quizra::programDirectory(); // the sample bank lies beside the executable
    fs::path large = root.path() / "large";
    fs::path plain = root.path() / "plain";
    fs::path pictures = root.path() / "pictures";

    Banks() {
        benchbank::writeBank(large, 1000);
        benchbank::writeBank(plain, 10);
        benchbank::writeBank(pictures, 10, "chart.png");
        writePicture(pictures / "chart.png", 640, 400);
    }
};

PaintProbe *probe = nullptr;

bool isMenu(QWidget *window) {
    return qobject_cast<frmMenu *>(window) != nullptr;
}
bool isExam(QWidget *window) {
    return qobject_cast<frmSiken *>(window) != nullptr;
}

// Handles whatever is pending, deletions included, so that no earlier work falls into a timing.
void settle() {
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Clicks button and returns the milliseconds until a window that which accepts was painted;
// a negative value when none was.
double clickToPaint(QAbstractButton *button, PaintProbe::Which which) {
    settle();
    probe->arm(std::move(which));
    const std::int64_t start = monotonicNs();
    button->click();
    if (!probe->wait()) return -1;
    return static_cast<double>(probe->paintedAt() - start) / 1e6;
}

frmMenu &showMenu() {
    probe->arm(isMenu);
    frmMenu &menu = Forms::frmMenu().Show();
    probe->wait();
    settle();
    return menu;
}

void report(benchmark::State &state, const std::vector<double> &milliseconds) {
    state.counters["median_ms"] = median(milliseconds);
}

// Times one click into the iteration and times; false (and the benchmark marked failed) when
// the window was never painted.
bool timeClick(benchmark::State &state, std::vector<double> &times, QAbstractButton *button) {
    const double ms = clickToPaint(button, isExam);
    if (ms < 0) {
        state.SkipWithError("the exam window was never painted");
        return false;
    }
    state.SetIterationTime(ms / 1e3);
    times.push_back(ms);
    return true;
}

// 試験開始 on the menu until the exam window's first paint of question 1.
void examStart(benchmark::State &state, const fs::path &bank) {
    quizra::setProgramDirectory(bank.string());
    std::vector<double> times;
    for (auto _ : state) {
        if (!timeClick(state, times, showMenu().cmd1)) break;
        Forms::frmSiken().Unload();
        settle();
    }
    report(state, times);
}

// 次の問題＞ (and ＜前の問題 on the way back) until the exam window has been repainted.
void moving(benchmark::State &state, const fs::path &bank) {
    quizra::setProgramDirectory(bank.string());
    clickToPaint(showMenu().cmd1, isExam);
    frmSiken &exam = *Forms::frmSiken();
    bool forward = true;
    std::vector<double> times;
    for (auto _ : state) {
        if (exam.iNumber >= 49) forward = false;
        if (exam.iNumber <= 0) forward = true;
        if (!timeClick(state, times, forward ? exam.cmdNext : exam.cmdBefore)) break;
    }
    Forms::frmSiken().Unload();
    settle();
    report(state, times);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Program::Initialise(app);
    // Unloading the last window must not end the benchmark, and no box may wait for a click.
    Program::setEndHandler([] {});
    Program::setMsgBoxHandler([](const QString &text) {
        std::fprintf(stderr, "message box: %s\n", qPrintable(text));
        std::abort();
    });
    PaintProbe paintProbe;
    probe = &paintProbe;
    const Banks banks;

    const auto add = [](const char *name, auto function, const fs::path &bank, int iterations) {
        benchmark::RegisterBenchmark(name, function, bank)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations);
    };
    add("exam_start/sample", examStart, banks.sample, 30);
    add("exam_start/1000_entries", examStart, banks.large, 20);
    add("moving/no_picture", moving, banks.plain, 300);
    add("moving/png_640x400", moving, banks.pictures, 300);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    FormSlotBase::DiscardAll();
    return 0;
}
