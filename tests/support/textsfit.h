#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The texts of window's controls that the control cuts: wider or higher, in the font it draws
// them with, than its room inside its frame. Option buttons are left out: a choice side by side
// shows only up to the next one by design.
inline QStringList cutTexts(QWidget *window) {
    QStringList cut;
    const auto check = [&](const QWidget *control, const QString &text, QRect room) {
        const QFontMetrics metrics = control->fontMetrics();
        if (!text.isEmpty() &&
            (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height()))
            cut << text;
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->wordWrap())
            check(label, label->text(), label->contentsRect());
        else if (label->heightForWidth(label->width()) > label->height())
            cut << label->text();
    }
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        check(box, box->text(), box->rect().marginsRemoved({4, 2, 4, 2}));
    for (QPushButton *button : window->findChildren<QPushButton *>())
        check(button, button->text(), button->rect().marginsRemoved({4, 4, 4, 4}));
    for (QGroupBox *frame : window->findChildren<QGroupBox *>())
        check(frame, frame->title(), frame->rect());
    return cut;
}
