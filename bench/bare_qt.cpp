// The baseline: the smallest Qt Widgets program that shows a window, one label and two
// buttons. Prints the time of its first paint, then quits.

#include "paint_probe.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    PaintProbe probe;
    QWidget window;
    quitAtFirstPaint(probe, [&](QWidget *painted) { return painted == &window; });
    window.resize(240, 100);
    auto *label = new QLabel(QStringLiteral("こんにちは、世界"), &window);
    label->setGeometry(10, 10, 220, 30);
    auto *start = new QPushButton(QStringLiteral("開始"), &window);
    start->setGeometry(10, 55, 100, 30);
    auto *end = new QPushButton(QStringLiteral("終了"), &window);
    end->setGeometry(130, 55, 100, 30);
    window.show();
    return QApplication::exec();
}
