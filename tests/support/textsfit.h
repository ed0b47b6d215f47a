#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QWidget>

// The texts of window's controls that the control cuts: too wide or too high for the room it
// gives them, in the font it draws them with. Option buttons are left out: a choice side by side
// shows only up to the next one by design.
inline QStringList cutTexts(QWidget *window) {
    QStringList cut;
    const auto check = [&](const QWidget *control, const QString &text, QRect room) {
        if (text.isEmpty()) return;
        const QFontMetrics metrics = control->fontMetrics();
        if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height())
            cut << text;
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->wordWrap())
            check(label, label->text(), label->contentsRect());
        else if (label->heightForWidth(label->width()) > label->height())
            cut << label->text();
    }
    for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth =
            box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        check(box, box->text(),
              box->style()
                  ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                  .adjusted(2, 0, -2, 0));
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        check(button, button->text(),
              button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button));
    }
    for (QGroupBox *frame : window->findChildren<QGroupBox *>())
        check(frame, frame->title(), frame->rect());
    return cut;
}
