// In-process timings of the exam window, from a click to the end of the repaint it causes:
// starting an exam from the menu, and moving to the next or previous question. Each timing
// ends when the window has been painted, as the candidate sees it; the median is a counter.
// The baseline is a bare Qt window that repaints the area a move repaints.

#include "bank.h"
#include "paint_probe.h"
#include "picture.h"

#include "app/forms.h"
#include "app/frmMenu.h"
#include "app/program.h"
#include "app/twips.h"
#include "bank/files.h"
#include "exam/frmSiken.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Banks {
    benchbank::TempDir root{"exam-bench"};
    fs::path sample = quizra::bankDirectory(); // the sample bank lies beside the executable
    fs::path large = root.path() / "large";
    fs::path huge = root.path() / "huge";
    fs::path plain = root.path() / "plain";
    // A photograph of its own on every question, as authors' banks have them.
    fs::path photos = root.path() / "photos-640x400";
    fs::path photosPng = root.path() / "photos-png-4000x3000";
    fs::path photosJpeg = root.path() / "photos-jpeg-4000x3000";

    Banks() {
        benchbank::writeBank(large, 1000);
        benchbank::writeBank(huge, 10000);
        benchbank::writeBank(plain, 10);
        for (const auto &[bank, name, width, height] : {std::tuple{photos, "photo#.png", 640, 400},
                                                        {photosPng, "photo#.png", 4000, 3000},
                                                        {photosJpeg, "photo#.jpg", 4000, 3000}}) {
            benchbank::writeBank(bank, 10, name);
            writePhotographs(bank, name, width, height);
        }
    }
};

PaintProbe *probe = nullptr;
// What the last move painted, in window coordinates: the baseline repaints the same area.
QRect movedArea;

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

// The processor time of the whole process in ns: on a loaded machine it still counts only the
// work done, where wall time counts the waits for the processor too.
std::int64_t processCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// The processor milliseconds of every timed click of the running benchmark.
std::vector<double> cpuTimes;

// Clicks button and returns the milliseconds until a window that which accepts was painted;
// a negative value when none was. Adds the processor time it took to cpuTimes when timed.
double clickToPaint(QAbstractButton *button, PaintProbe::Which which, bool timed = false) {
    settle();
    probe->arm(std::move(which));
    const std::int64_t cpu = processCpuNs();
    const std::int64_t start = monotonicNs();
    button->click();
    if (!probe->wait()) return -1;
    if (timed) cpuTimes.push_back(static_cast<double>(processCpuNs() - cpu) / 1e6);
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
    state.counters["max_ms"] =
        milliseconds.empty() ? 0 : *std::max_element(milliseconds.begin(), milliseconds.end());
    // The first click of a process pays what Qt does once (fonts, styles): run alone to see it.
    state.counters["first_cpu_ms"] = cpuTimes.empty() ? 0 : cpuTimes.front();
    state.counters["median_cpu_ms"] = median(std::exchange(cpuTimes, {}));
    state.counters["painted_px"] = probe->paintedArea().width() * probe->paintedArea().height();
}

// Resident memory now, in MiB.
double residentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576;
}

// Handles events for ms milliseconds, as while the candidate reads.
void pause(int ms) {
    const std::int64_t until = monotonicNs() + std::int64_t{ms} * 1'000'000;
    while (monotonicNs() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Times one click into the iteration and times; false (and the benchmark marked failed) when
// the window was never painted.
bool timeClick(benchmark::State &state, std::vector<double> &times, QAbstractButton *button) {
    const double ms = clickToPaint(button, isExam, true);
    if (ms < 0) {
        state.SkipWithError("the exam window was never painted");
        return false;
    }
    state.SetIterationTime(ms / 1e3);
    times.push_back(ms);
    return true;
}

// 試験開始 on the menu until the exam window's first paint of question 1; also what the exam
// window keeps in memory once question 1 shows.
void examStart(benchmark::State &state, const fs::path &bank) {
    quizra::setBankDirectory(bank.string());
    std::vector<double> times, added;
    for (auto _ : state) {
        QAbstractButton *start = showMenu().cmd1;
        const double before = residentMiB();
        if (!timeClick(state, times, start)) break;
        settle();
        added.push_back(residentMiB() - before);
        Forms::frmSiken().Unload();
        settle();
    }
    report(state, times);
    // The most any start kept: later starts reuse the heap the first one grew.
    state.counters["rss_added_mib"] =
        added.empty() ? 0 : *std::max_element(added.begin(), added.end());
}

// 次の問題＞ (and ＜前の問題 on the way back) until the exam window has been repainted.
void moving(benchmark::State &state, const fs::path &bank) {
    quizra::setBankDirectory(bank.string());
    clickToPaint(showMenu().cmd1, isExam);
    frmSiken &exam = *Forms::frmSiken();
    bool forward = true;
    std::vector<double> times;
    for (auto _ : state) {
        if (exam.iNumber >= 49) forward = false;
        if (exam.iNumber <= 0) forward = true;
        if (!timeClick(state, times, forward ? exam.cmdNext : exam.cmdBefore)) break;
    }
    movedArea = probe->paintedArea();
    Forms::frmSiken().Unload();
    settle();
    report(state, times);
}

// 次の問題＞ through exams whose every question has a picture of its own, after readingMs of
// reading each question (0: as fast as the clicks come).
void movingOn(benchmark::State &state, const fs::path &bank, int readingMs) {
    quizra::setBankDirectory(bank.string());
    std::vector<double> times;
    frmSiken *exam = nullptr;
    for (auto _ : state) {
        state.PauseTiming();
        if (!exam || exam->iNumber >= 49) {
            if (exam) Forms::frmSiken().Unload();
            clickToPaint(showMenu().cmd1, isExam);
            exam = &*Forms::frmSiken();
        }
        pause(readingMs);
        state.ResumeTiming();
        if (!timeClick(state, times, exam->cmdNext)) break;
    }
    Forms::frmSiken().Unload();
    settle();
    report(state, times);
}

// The baseline: a bare window of the exam window's size that repaints, at each click, the area
// the last move painted, holding the same kinds of widget at the same places: a group box with
// a caption, a text box with the question and four option buttons.
void bareRepaint(benchmark::State &state) {
    const std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("Windows")));
    QWidget window;
    window.resize(twips::rect(0, 0, 11715, 8700).size());
    auto *button = new QPushButton(QStringLiteral("次の問題＞"), &window);
    auto *painted = new QGroupBox(QStringLiteral("題2問"), &window);
    painted->setGeometry(movedArea);
    painted->setStyle(classic.get()); // as the exam's frame
    auto *text = new QPlainTextEdit(QString(8, QChar(u'問')), painted);
    text->setGeometry(twips::rect(240, 240, 10935, 1335));
    for (int k = 0; k < 4; ++k)
        (new QRadioButton(QStringLiteral("(%1)テキストテキスト").arg(k + 1), painted))
            ->setGeometry(twips::rect(240, 1680 + 480 * k, 10575, 375));
    QObject::connect(button, &QPushButton::clicked, painted, [painted] { painted->update(); });
    probe->arm([&](QWidget *w) { return w == &window; });
    window.show();
    probe->wait();
    std::vector<double> times;
    for (auto _ : state) {
        settle();
        probe->arm([&](QWidget *w) { return w == &window; });
        const std::int64_t start = monotonicNs();
        button->click();
        if (!probe->wait()) break;
        const double ms = static_cast<double>(probe->paintedAt() - start) / 1e6;
        state.SetIterationTime(ms / 1e3);
        times.push_back(ms);
    }
    report(state, times);
}

// The floor of showing a new 4000x3000 PNG photograph: libpng reading, untransformed, the rows
// the frame shows (369) of one of them, and no more.
void pngRowsFloor(benchmark::State &state, const fs::path &photograph) {
    std::vector<double> times;
    for (auto _ : state) {
        const std::int64_t start = monotonicNs();
        std::FILE *file = std::fopen(photograph.c_str(), "rb");
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        png_init_io(png, file);
        png_read_info(png, info);
        std::vector<png_byte> row(png_get_rowbytes(png, info));
        for (int y = 0; y < 369; ++y)
            png_read_row(png, row.data(), nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(file);
        const double ms = static_cast<double>(monotonicNs() - start) / 1e6;
        state.SetIterationTime(ms / 1e3);
        times.push_back(ms);
    }
    state.counters["median_ms"] = median(times);
}

// A window of the exam window's size holding the same kinds of widget at the same places,
// with a question of the sample bank's length: what a bare program opens where Quizra opens
// its exam window.
std::unique_ptr<QWidget> bareExamWindow(QStyle *classic) {
    auto window = std::make_unique<QWidget>();
    window->resize(twips::rect(0, 0, 11715, 8700).size());
    const auto frame = [&](const QString &caption, QRect rect) {
        auto *box = new QGroupBox(caption, window.get());
        box->setGeometry(rect);
        box->setStyle(classic);
        return box;
    };
    QGroupBox *question = frame(QStringLiteral("題1問"), twips::rect(240, 240, 11295, 7575));
    auto *text =
        new QPlainTextEdit(QStringLiteral("小型船舶操縦免許証の有効期間は何年か。"), question);
    text->setGeometry(twips::rect(240, 240, 10935, 1335));
    text->setReadOnly(true);
    for (int k = 0; k < 4; ++k)
        (new QRadioButton(QStringLiteral("(%1)%2年").arg(k + 1).arg(k * 3 + 1), question))
            ->setGeometry(twips::rect(240 + 2600 * k, 1680, 10575, 375));
    new QLabel(frame(QStringLiteral("残り時間"), twips::rect(240, 7920, 1095, 615)));
    new QLabel(frame(QStringLiteral("正 答"), twips::rect(2160, 7920, 1215, 615)));
    const QString buttons[] = {QStringLiteral("正答表示"), QStringLiteral("＜前の問題"),
                               QStringLiteral("次の問題＞"), QStringLiteral("試験終了")};
    const int lefts[] = {3480, 7080, 8400, 9840};
    for (int k = 0; k < 4; ++k)
        (new QPushButton(buttons[k], window.get()))
            ->setGeometry(twips::rect(lefts[k], 8040, k == 3 ? 1815 : 1215, 495));
    return window;
}

// The baseline for exam start: a bare window's button that opens that window and hides its own,
// until the new window's first paint.
void bareOpen(benchmark::State &state) {
    const std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("Windows")));
    std::vector<double> times;
    for (auto _ : state) {
        QWidget menu;
        menu.resize(twips::rect(0, 0, 5475, 3090).size());
        auto *start = new QPushButton(QStringLiteral("試験開始"), &menu);
        std::unique_ptr<QWidget> exam;
        QObject::connect(start, &QPushButton::clicked, &menu, [&] {
            exam = bareExamWindow(classic.get());
            exam->show();
            menu.hide();
        });
        probe->arm([&](QWidget *w) { return w == &menu; });
        menu.show();
        probe->wait();
        const double ms = clickToPaint(
            start, [&](QWidget *w) { return w == exam.get(); }, true);
        if (ms < 0) break;
        state.SetIterationTime(ms / 1e3);
        times.push_back(ms);
    }
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
    benchmark::RegisterBenchmark("exam_start/bare_qt_same_window", bareOpen)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(30);
    add("exam_start/1000_entries", examStart, banks.large, 20);
    add("exam_start/10000_entries", examStart, banks.huge, 10);
    add("exam_start/no_picture", examStart, banks.plain, 20);
    add("exam_start/photos_png_4000x3000", examStart, banks.photosPng, 10);
    add("exam_start/photos_jpeg_4000x3000", examStart, banks.photosJpeg, 10);
    add("floor/png_369_rows_4000x3000", pngRowsFloor, banks.photosPng / "photo1.png", 20);
    add("moving/no_picture", moving, banks.plain, 300);
    benchmark::RegisterBenchmark("moving/bare_qt_same_area", bareRepaint)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(300);
    add("moving/photos_640x400", moving, banks.photos, 300);
    add("moving/photos_png_4000x3000", moving, banks.photosPng, 100);
    const auto addMovingOn = [](const char *name, const fs::path &bank, int readingMs) {
        benchmark::RegisterBenchmark(name, movingOn, bank, readingMs)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(98);
    };
    addMovingOn("moving/after_reading/photos_640x400", banks.photos, 100);
    addMovingOn("moving/clicking_on/photos_640x400", banks.photos, 0);
    addMovingOn("moving/clicking_on/photos_png_4000x3000", banks.photosPng, 0);
    addMovingOn("moving/clicking_on/photos_jpeg_4000x3000", banks.photosJpeg, 0);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    FormSlotBase::DiscardAll();
    return 0;
}
