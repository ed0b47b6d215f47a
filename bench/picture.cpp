#include "picture.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPoint>
#include <QString>

void writePicture(const std::filesystem::path &path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sea(0, 0, width, height);
    sea.setColorAt(0, QColor(200, 225, 255));
    sea.setColorAt(1, QColor(40, 90, 160));
    painter.fillRect(image.rect(), sea);
    painter.setPen(QPen(Qt::black, 2));
    for (int x = 0; x < width; x += 40)
        painter.drawLine(x, 0, width - x, height);
    painter.setBrush(QColor(230, 60, 40));
    for (int r = height / 2; r > 0; r -= 25)
        painter.drawEllipse(QPoint(width / 2, height / 2), r, r / 2);
    painter.end();
    image.save(QString::fromStdString(path.string())); // the format follows the suffix
}
