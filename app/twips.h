#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

// Layouts are written in twips, as the windows were designed; 15 twips make one logical pixel,
// and Qt's high-DPI scaling takes it from there.
namespace twips {

inline constexpr int PerPixel = 15;

constexpr int toPixels(int twips) {
    return twips >= 0 ? (twips + PerPixel / 2) / PerPixel : -((-twips + PerPixel / 2) / PerPixel);
}

inline QPoint point(int left, int top) {
    return {toPixels(left), toPixels(top)};
}
inline QRect rect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

// Sets Left, Top, Width and Height of a control.
inline void place(QWidget *control, int left, int top, int width, int height) {
    control->setGeometry(rect(left, top, width, height));
}
// Sets Left and Top of a control; its size stays.
inline void move(QWidget *control, int left, int top) {
    control->move(point(left, top));
}

} // namespace twips
