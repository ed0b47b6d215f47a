#include "paint_probe.h"

#include <QApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

PaintProbe::PaintProbe() {
    qApp->installEventFilter(this);
}

void PaintProbe::arm(Which which) {
    which_ = std::move(which);
    done_ = false;
    paintedAt_ = 0;
    paintedArea_ = QRect();
}

bool PaintProbe::wait(int timeoutMs) {
    const std::int64_t deadline = monotonicNs() + std::int64_t{timeoutMs} * 1'000'000;
    while (!done_ && monotonicNs() < deadline)
        QCoreApplication::processEvents();
    return done_;
}

void PaintProbe::painted(QWidget *window) {
    const std::int64_t ns = monotonicNs();
    if (!done_ && which_ && which_(window)) {
        done_ = true;
        paintedAt_ = ns;
    }
    if (onPaint) onPaint(window, ns);
}

// A window is painted while Qt handles its exposure (first display) or the update request
// that follows changes to its widgets. The filter lets the window handle the event first, then
// notes the time if any widget received a paint event meanwhile: Qt may take an exposure
// without painting and paint at a later update request.
bool PaintProbe::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint) {
        ++paintEvents_;
        if (auto *widget = qobject_cast<QWidget *>(watched); widget && !done_) {
            const QRect area = static_cast<QPaintEvent *>(event)->rect();
            paintedArea_ |= area.translated(widget->mapTo(widget->window(), QPoint()));
        }
        return false;
    }
    QWidget *window = nullptr;
    if (event->type() == QEvent::UpdateRequest && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->isWindow())
        window = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Expose && watched->isWindowType()) {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() == watched) window = widget;
    }
    if (!window) return false;
    const long before = paintEvents_;
    watched->event(event);
    if (paintEvents_ != before) painted(window);
    return true;
}

void quitAtFirstPaint(PaintProbe &probe, PaintProbe::Which which) {
    probe.onPaint = [which = std::move(which), done = false](QWidget *window,
                                                             std::int64_t ns) mutable {
        if (done || !which(window)) return;
        done = true;
        std::printf("paint %lld\n", static_cast<long long>(ns));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    };
}
