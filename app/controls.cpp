#include "controls.h"

#include "twips.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleFactory>

namespace {

// What assistive technology sees of a ClickLabel: a button named by its accessible name or
// caption, with a press action that clicks it.
class AccessibleClickLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickLabel(ClickLabel *label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) return label()->text();
        return text;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override {
        if (name == pressAction())
            label()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }
};

QAccessibleInterface *accessibleClickLabel(const QString &className, QObject *object) {
    if (className == QLatin1String("ClickLabel"))
        return new AccessibleClickLabel(static_cast<ClickLabel *>(object));
    return nullptr;
}

// The button an arrow key leads to from button: the next or the previous one of its group, when
// it lies that way.
QAbstractButton *neighbour(QAbstractButton *button, int key) {
    const QButtonGroup *group = button->group();
    if (!group) return nullptr;
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    QAbstractButton *other = group->button(group->id(button) + (forward ? 1 : -1));
    if (!other) return nullptr;
    const QPoint step = other->pos() - button->pos();
    switch (key) {
    case Qt::Key_Left:
        return step.x() < 0 ? other : nullptr;
    case Qt::Key_Right:
        return step.x() > 0 ? other : nullptr;
    case Qt::Key_Up:
        return step.y() < 0 ? other : nullptr;
    default:
        return step.y() > 0 ? other : nullptr;
    }
}

} // namespace

ClickLabel::ClickLabel(int index, const QString &caption, QWidget *parent)
    : QLabel(caption, parent), index_(index) {
    // Qt asks its factories by class name; ours is registered once, by the first label.
    static const bool accessible = (QAccessible::installFactory(accessibleClickLabel), true);
    (void)accessible;
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::mousePressEvent(QMouseEvent *event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked(index_);
}

void ClickLabel::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

bool OptionButton::hitButton(const QPoint &pos) const {
    // Where a later button lies over this one, the mask leaves the click to that button.
    return mask().isEmpty() ? rect().contains(pos) : mask().contains(pos);
}

void OptionButton::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    // As the toolkit's own arrow keys do: the focus moves, and the selection with it.
    if (QAbstractButton *next = neighbour(this, key)) {
        next->setFocus(Qt::TabFocusReason);
        if (isChecked()) next->click();
    }
    event->accept();
}

void OptionGroup::create(QWidget *container, int count, const QString &caption) {
    for (int index = 0; index < count; ++index) {
        auto *button = new OptionButton(caption, container);
        group_.addButton(button, index);
        add(button);
    }
}

void OptionGroup::setValue(long index, bool value) {
    QRadioButton &button = (*this)(index);
    if (value || !button.isChecked()) {
        button.setChecked(value);
        return;
    }
    // An exclusive group refuses to clear its checked button; lift the rule for a moment.
    group_.setExclusive(false);
    button.setChecked(false);
    group_.setExclusive(true);
}

void OptionGroup::clipOverlaps() {
    for (int index = 0; index < count(); ++index) {
        QRadioButton &button = (*this)(index);
        QRegion visible = button.parentWidget()->contentsRect().intersected(button.geometry());
        for (int later = index + 1; later < count(); ++later)
            visible -= (*this)(later).geometry();
        visible.translate(-button.pos());
        if (visible == QRegion(button.rect()))
            button.clearMask();
        else
            button.setMask(visible);
    }
}

FrameControl::FrameControl(QWidget *parent, const QString &caption) : QGroupBox(caption, parent) {
    // The classic style draws the caption in the frame line; the desktop style would set it
    // above the frame and shift the frame down.
    static QStyle *const classic = QStyleFactory::create(QStringLiteral("Windows"));
    if (classic) setStyle(classic);
}

ImageControl::ImageControl(QWidget *parent, QRect designRect)
    : QLabel(parent), designSize_(designRect.size()) {
    setGeometry(designRect);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageControl::setPicture(const QPixmap &picture) {
    setPixmap(picture);
    resize(picture.deviceIndependentSize().toSize());
}

// Clearing a place that shows nothing repaints nothing.
void ImageControl::clearPicture() {
    if (!hasPicture()) return;
    setPixmap(QPixmap());
    resize(designSize_);
}

LineControl::LineControl(QWidget *parent, int x1, int y1, int x2, int y2) : QWidget(parent) {
    const QPoint a = twips::point(x1, y1), b = twips::point(x2, y2);
    const QRect box = QRect(a, b).normalized().adjusted(0, 0, 1, 1);
    setGeometry(box);
    from_ = a - box.topLeft();
    to_ = b - box.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(from_, to_);
}

ShapeControl::ShapeControl(QWidget *parent, int left, int top, int width, int height)
    : QWidget(parent) {
    twips::place(this, left, top, width, height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

TickTimer::TickTimer(QObject *parent) : QTimer(parent) {
    setInterval(1000);
}

void TickTimer::setEnabled(bool enabled) {
    if (!enabled)
        stop();
    else if (!isActive())
        start();
}
