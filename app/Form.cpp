#include "Form.h"

#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {
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
    // The frame is known only once the window is shown; centre that, not just the client area.
    if (firstTime) centre();
    raise();
    activateWindow();
}

void Form::centre() {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
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
