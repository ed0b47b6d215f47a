#pragma once

#include <QObject>

// Draws a clear mark around the control that has the keyboard focus, in every window: styles
// show the focus faintly or not at all (a caret in a text box, a thin border on a button). The
// mark follows the part of a control that shows, where a later control covers the rest.
class FocusMark : public QObject {
public:
    explicit FocusMark(QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QObject *painting_ = nullptr; // the control painting itself under the mark
};
