#include "focusmark.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

// A scroll area's content is drawn by its viewport, which covers all but its frame.
QWidget *drawnBy(QWidget *control) {
    auto *area = qobject_cast<QAbstractScrollArea *>(control);
    return area ? area->viewport() : control;
}

bool showsFocus(QWidget *widget) {
    QWidget *focus = QApplication::focusWidget();
    return focus && drawnBy(focus) == widget;
}

void drawMark(QWidget *widget) {
    QPainter painter(widget);
    QPen pen(widget->palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const QRect shown = widget->mask().isEmpty() ? widget->rect() : widget->mask().boundingRect();
    painter.drawRect(QRectF(shown).adjusted(1, 1, -1, -1));
}

} // namespace

FocusMark::FocusMark(QObject *parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this, [](QWidget *old, QWidget *now) {
        for (QWidget *control : {old, now})
            if (control) drawnBy(control)->update();
    });
}

// The control paints itself first, through every filter it has (a scroll area's viewport is
// painted by a filter of the area); the mark goes on top.
bool FocusMark::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::Paint || watched == painting_ || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (!showsFocus(widget)) return false;
    painting_ = widget;
    QCoreApplication::sendEvent(widget, event);
    painting_ = nullptr;
    drawMark(widget);
    return true;
}
