#include "Form.h"

#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

// The frame that the window manager put around the last window it framed. A window about to
// open is centred as if it had the same, so that it opens in its place at once.
QMargins lastFrame;

QMargins frameOf(const QWidget *window) {
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

Qt::WindowFlags flagsFor(Form::Border border) {
    Qt::WindowFlags flags =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    switch (border) {
    case Form::Border::FixedSingle:
        return flags | Qt::Window;
    case Form::Border::Sizable:
        return flags | Qt::Window | Qt::WindowMinimizeButtonHint;
    case Form::Border::FixedDialog:
        // An ordinary window with a task-bar entry: a utility window would stay above every
        // other window of the program, and a minimised window with no entry is out of reach.
        return flags | Qt::Window | Qt::WindowMinimizeButtonHint;
    }
    return flags;
}
} // namespace

Form::Form(int clientWidthTwips, int clientHeightTwips, Border border)
    : QWidget(nullptr, flagsFor(border)) {
    setWindowTitle(QStringLiteral("Quizra"));
    // Set on the window itself, where a platform theme's font cannot replace it.
    setFont(Program::WindowFont());
    const QSize client(twips::toPixels(clientWidthTwips), twips::toPixels(clientHeightTwips));
    if (border == Border::Sizable)
        resize(client);
    else
        setFixedSize(client);
}

void Form::display(bool firstTime) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    if (firstTime) centre();
    show();
    if (firstTime) {
        // The window manager frames the window after it is shown; centre the frame once known.
        centreWhenFramed_ = true;
        windowHandle()->installEventFilter(this);
        centreFramed(); // some platforms know the frame at once
    }
    keysDown_.clear();
    raise();
    activateWindow();
}

void Form::centre() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const bool framed = frameGeometry() != geometry();
    QRect frame(QPoint(), size().grownBy(framed ? frameOf(this) : lastFrame));
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft()); // a window's position is its frame's
}

void Form::moveEvent(QMoveEvent *event) {
    QWidget::moveEvent(event);
    centreFramed();
}

void Form::centreFramed() {
    if (!centreWhenFramed_ || frameGeometry() == geometry()) return;
    centreWhenFramed_ = false;
    lastFrame = frameOf(this);
    centre();
}

// Key presses reach the window before any of its controls. A key that went down elsewhere (on
// the window that opened this one, say) repeats into this one while it is held: neither its
// repeats nor its release are this window's, so that a held or double Enter starts an exam and
// does not finish it too.
bool Form::eventFilter(QObject *watched, QEvent *event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (key && watched == windowHandle())
        return keyPressedElsewhere(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

bool Form::keyPressedElsewhere(const QKeyEvent *event) {
    const int key = event->key();
    if (event->type() == QEvent::KeyPress && !event->isAutoRepeat()) {
        keysDown_.insert(key);
        return false;
    }
    if (!keysDown_.contains(key)) return true;
    if (event->type() == QEvent::KeyRelease && !event->isAutoRepeat()) keysDown_.remove(key);
    return false;
}

void Form::discard() {
    // The window may be discarded from inside one of its own handlers: delete it later, but
    // silence it now so that no further event of it runs.
    for (QTimer *timer : findChildren<QTimer *>())
        timer->stop();
    hide();
    setEnabled(false);
    unload_ = nullptr;
    deleteLater();
}

void Form::Unload() {
    // Unloading discards this window and with it unload_: call a copy.
    if (auto unload = unload_) unload();
}

void Form::closeEvent(QCloseEvent *event) {
    event->ignore();
    Program::Guard([this] { Form_FrameClose(); });
}
