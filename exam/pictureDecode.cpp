#include "pictureDecode.h"

#include "bank/files.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

QImage decodePicture(const std::string &path, QSize visible) {
    const quizra::FileBytes file = quizra::readFileBytes(path);
    if (file.status != quizra::FileBytes::Status::Ok) return {};
    QByteArray bytes =
        QByteArray::fromRawData(file.bytes.data(), static_cast<qsizetype>(file.bytes.size()));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    // The suffix names the reader to try first, as for a file opened by name: probing every
    // format's plugin by content would load them all.
    const std::size_t dot = path.rfind('.');
    QImageReader reader(&device, dot == std::string::npos
                                     ? QByteArray()
                                     : QByteArray(path.c_str() + dot + 1).toLower());
    const QRect shown = QRect(QPoint(0, 0), visible);
    // Readers that cannot clip while decoding decode the whole picture and then cut it.
    if (const QSize size = reader.size(); size.isValid() && !shown.contains(QRect({0, 0}, size)))
        reader.setClipRect(shown.intersected(QRect({0, 0}, size)));
    QImage image = reader.read();
    if (image.width() > visible.width() || image.height() > visible.height())
        image = image.copy(shown.intersected(image.rect()));
    return image;
}
