#include "qtchoices.h"

#include "bank/modMain.h"
#include "exam/frmSiken.h"

#include <QEventLoop>
#include <QThread>

#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace bankcheck {

QtChoiceMeter::QtChoiceMeter(frmSiken &window) : window_(window) {
    constexpr std::int16_t Spare = modMain::SlotCount - 1;
    for (const bool stacked : {false, true}) {
        modMain::Mondai(Spare) = MondaiRec{};
        modMain::Mondai(Spare).type = stacked ? 1 : 0;
        window_.SetMondai(Spare);
        for (int k = 0; k < 4; ++k) {
            const QRadioButton &choice = window_.Option1(k);
            // A choice that shows whole has no mask; what shows starts at its left edge.
            const QRegion shown = choice.mask().isEmpty() ? QRegion(choice.rect()) : choice.mask();
            shown_[stacked][static_cast<std::size_t>(k)] = shown.boundingRect().right() + 1;
        }
    }
}

std::array<ChoiceWidth, 4> QtChoiceMeter::measure(const std::array<std::string, 4> &texts,
                                                  bool stacked) const {
    std::array<ChoiceWidth, 4> widths;
    std::array<bool, 4> known{};
    {
        const std::shared_lock reading(neededLock_);
        for (std::size_t k = 0; k < 4; ++k)
            if (const auto found = needed_[k].find(texts[k]); found != needed_[k].end()) {
                widths[k] = {found->second, shown_[stacked][k]};
                known[k] = true;
            }
    }
    // Bounds the memory of a bank whose choices are all different.
    constexpr std::size_t MaxRemembered = 1 << 16;
    for (std::size_t k = 0; k < 4; ++k) {
        if (known[k]) continue;
        widths[k] = {layOut(k, texts[k]), shown_[stacked][k]};
        const std::unique_lock writing(neededLock_);
        if (needed_[k].size() >= MaxRemembered) needed_[k].clear();
        needed_[k].emplace(texts[k], widths[k].needed);
    }
    return widths;
}

int QtChoiceMeter::layOut(std::size_t k, const std::string &text) const {
    int width = 0;
    const auto layOutHere = [&] {
        QRadioButton &choice = window_.Option1(static_cast<long>(k));
        choice.setText(frmSiken::choiceCaption(static_cast<int>(k), text));
        width = choice.sizeHint().width();
    };
    if (QThread::currentThread() == window_.thread())
        layOutHere();
    else
        QMetaObject::invokeMethod(&window_, layOutHere, Qt::BlockingQueuedConnection);
    return width;
}

void QtChoiceMeter::runOnThreads(const std::function<void()> &work, unsigned threads) const {
    QEventLoop loop;
    // Starting the threads counts as one more running, so that the loop quits only once all
    // have started and finished.
    std::atomic<unsigned> running{1};
    const auto finished = [&] {
        if (--running == 0)
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    };
    std::vector<std::jthread> threadsRunning;
    threadsRunning.reserve(threads);
    while (threadsRunning.size() < threads) {
        ++running;
        try {
            threadsRunning.emplace_back([&] {
                work();
                finished();
            });
        } catch (const std::system_error &) {
            --running; // fewer threads than asked for: those there are share the work
            break;
        }
    }
    if (threadsRunning.empty()) work();
    finished();
    loop.exec();
}

} // namespace bankcheck
