#pragma once

#include "program.h"

#include <QAbstractButton>
#include <QMargins>
#include <QSet>
#include <QWidget>

#include <functional>

// A window of the program: fixed caption "Quizra", a client area given in twips, a border kind,
// the application icon, in the window font, its frame centred on its first display. A key held
// down or repeating when the window came in front does nothing in it. Its lifetime is run by
// FormSlot.
class Form : public QWidget {
    Q_OBJECT

public:
    enum class Border {
        FixedSingle, // fixed size, close box only
        Sizable,     // resizable, minimize and close boxes, no maximize box
        FixedDialog, // fixed size, minimize and close boxes
    };

    // Run by FormSlot only.
    void setUnload(std::function<void()> unload) { unload_ = std::move(unload); }
    void runLoad() { Form_Load(); }
    void display(bool firstTime);
    void discard();

protected:
    Form(int clientWidthTwips, int clientHeightTwips, Border border);

    // The load step: runs once per load, before the window is first drawn.
    virtual void Form_Load() {}
    // Closing through the window frame; by default the window is unloaded.
    virtual void Form_FrameClose() { Unload(); }

    // Unloads this window through its slot.
    void Unload();

    // Connects a signal to a handler of this window, which receives the signal's arguments;
    // errors are reported, never lost in Qt's event dispatch.
    template <class Sender, class Signal, class F, class... Args>
    void on(Sender *sender, Signal signal, void (F::*handler)(Args...)) {
        connect(sender, signal, this, [this, handler](Args... args) {
            Program::Guard([&] { (static_cast<F *>(this)->*handler)(args...); });
        });
    }

    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centre();
    void centreFramed();
    bool keyPressedElsewhere(const QKeyEvent *event);

    std::function<void()> unload_;
    // Centred before the window manager framed it: centre again once the frame is known.
    bool centreWhenFramed_ = false;
    // Keys whose press this window received and whose release it has not.
    QSet<int> keysDown_;
};
