#pragma once

#include <QObject>
#include <QRect>

#include <cstdint>
#include <functional>

class QWidget;

// CLOCK_MONOTONIC in nanoseconds, the clock a launcher reads as time.monotonic_ns().
std::int64_t monotonicNs();

// Watches every top-level window of the application and notes when a paint of one has been
// done: the window's first exposure, or a repaint after changes. Only the benchmarks use it.
class PaintProbe : public QObject {
public:
    using Which = std::function<bool(QWidget *window)>;

    PaintProbe();

    // Runs after every completed paint of a top-level window, with the time it completed.
    std::function<void(QWidget *window, std::int64_t ns)> onPaint;

    // Waits for the next paint of a window that which accepts; arm before the action that
    // causes it, since the paint may happen inside that action.
    void arm(Which which);
    // Handles events until the armed paint has completed, at most timeoutMs; false on timeout.
    bool wait(int timeoutMs = 5000);
    // When the armed paint completed.
    std::int64_t paintedAt() const { return paintedAt_; }
    // The bounding rectangle, in window coordinates, of what was painted since arm().
    QRect paintedArea() const { return paintedArea_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void painted(QWidget *window);

    Which which_;
    bool done_ = false;
    long paintEvents_ = 0;
    std::int64_t paintedAt_ = 0;
    QRect paintedArea_;
};

// Prints "paint <ns>" at the first completed paint of a window that which accepts, then quits
// the event loop.
void quitAtFirstPaint(PaintProbe &probe, PaintProbe::Which which);
