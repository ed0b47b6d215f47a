#pragma once

#include "bank/error.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <vector>

// Controls that share one name and are told apart by an index, as Option1(2) or Label17(k).
template <class Control> class ControlArray {
public:
    void add(Control *control) { controls_.push_back(control); }
    int count() const { return static_cast<int>(controls_.size()); }

    // The control of this index; an index with no control is an index-out-of-range error.
    Control &operator()(long index) const {
        if (index < 0 || index >= count()) throw quizra::errors::indexOutOfRange(index);
        return *controls_[static_cast<std::size_t>(index)];
    }

private:
    std::vector<Control *> controls_;
};

// A label that reports a click with the index it holds in its group. Keyboard users reach it
// with Tab and click it with Space or Enter; assistive technology sees a button to press.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    ClickLabel(int index, const QString &caption, QWidget *parent);
    int index() const { return index_; }

    // Clicks the label as the mouse does.
    void click() { emit clicked(index_); }

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int index_;
    bool pressed_ = false;
};

// An option button that takes a click anywhere on the part of it that shows, not only on its
// indicator and caption: each choice is as wide as the question. The arrow keys follow the
// buttons as they lie: Up and Down between buttons stacked, Left and Right between buttons side
// by side.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override;
    void keyPressEvent(QKeyEvent *event) override;
};

// Option buttons in one container: selecting one clears the others; the candidate can move the
// selection but not clear it; code can set a button's value to false, which clears it.
class OptionGroup : public ControlArray<QRadioButton> {
public:
    // Creates count buttons in container; each later one lies in front of the earlier ones.
    void create(QWidget *container, int count, const QString &caption);

    bool Value(long index) const { return (*this)(index).isChecked(); }
    void setValue(long index, bool value);

    // Each button shows, and takes clicks, only where no later button lies over it, and only
    // inside its container. Call after moving the buttons.
    void clipOverlaps();

private:
    QButtonGroup group_;
};

// A picture box: shows a picture at its own size; without one, it keeps its design extent.
class ImageControl : public QLabel {
public:
    ImageControl(QWidget *parent, QRect designRect);
    void setPicture(const QPixmap &picture);
    void clearPicture();
    bool hasPicture() const { return !pixmap().isNull(); }

private:
    QSize designSize_;
};

// A one-pixel line from one point to another, in the window-text colour.
class LineControl : public QWidget {
public:
    LineControl(QWidget *parent, int x1, int y1, int x2, int y2); // twips

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from_, to_;
};

// An unfilled one-pixel rectangle in the window-text colour.
class ShapeControl : public QWidget {
public:
    ShapeControl(QWidget *parent, int left, int top, int width, int height); // twips

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A 1000 ms clock tick that is switched on and off; enabling a running timer changes nothing.
class TickTimer : public QTimer {
public:
    explicit TickTimer(QObject *parent);
    bool Enabled() const { return isActive(); }
    void setEnabled(bool enabled);
};

// A frame that holds and clips other controls, its caption standing in its top edge.
class FrameControl : public QGroupBox {
public:
    explicit FrameControl(QWidget *parent, const QString &caption = {});
};

// A push button that Enter clicks while it has the focus, as Space does.
class CommandButton : public QPushButton {
public:
    CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {
        setAutoDefault(true);
    }
};
