#include "pictureDecode.h"

#include "files.h"
#include "pictureFormat.h"
#include "pngRows.h"

#include <QFile>
#include <QImageReader>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Decodes with Qt's image readers, the format given or, when "", told by the contents.
void decodeWithQt(int fd, std::string_view format, QSize visible, DecodedPicture &result) {
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle) || !file.seek(0)) {
        result.problem = file.errorString().toStdString();
        return;
    }
    QImageReader reader(&file, QByteArray(format.data(), static_cast<qsizetype>(format.size())));
    const QRect shown(QPoint(0, 0), visible);
    // A reader that can clip while decoding (JPEG) stops after the last line that shows.
    if (const QSize size = reader.size(); size.isValid()) {
        result.size = size;
        if (!shown.contains(QRect({0, 0}, size))) reader.setClipRect(shown.intersected({{}, size}));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        result.problem = reader.errorString().toStdString();
        return;
    }
    if (!result.size.isValid()) result.size = image.size(); // no clip was set: the whole picture
    if (image.width() > visible.width() || image.height() > visible.height())
        image = image.copy(shown.intersected(image.rect()));
    result.shown = image;
}

} // namespace

DecodedPicture decodePicture(const std::string &path, QSize visible) {
    DecodedPicture result;
    // Opening a named pipe would wait for a writer: open without waiting, then refuse it below.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.errorNumber = errno;
        return result;
    }
    struct stat info;
    char head[32];
    ssize_t headBytes = 0;
    if (fstat(fd, &info) != 0)
        result.errorNumber = errno;
    else if (S_ISDIR(info.st_mode))
        result.errorNumber = EISDIR;
    else if (!S_ISREG(info.st_mode))
        result.errorNumber = EINVAL;
    else if (static_cast<std::uintmax_t>(info.st_size) > quizra::MaxFileBytes)
        result.errorNumber = EFBIG;
    else if ((headBytes = pread(fd, head, sizeof head, 0)) < 0)
        result.errorNumber = errno;
    if (result.errorNumber == 0) {
        const std::string_view format =
            sniffPictureFormat(std::string_view(head, static_cast<std::size_t>(headBytes)));
        if (pictureEndsEarly(format, fd))
            result.problem = "the file ends before the picture's data does";
        else if (format != "png" || !decodePngRows(fd, visible, result))
            decodeWithQt(fd, format, visible, result);
    }
    close(fd);
    return result;
}
