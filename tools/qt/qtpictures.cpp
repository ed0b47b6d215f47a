#include "qtpictures.h"

#include "bankpaths.h"
#include "files.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstring>

namespace bankcheck {

Picture QtPictureLoader::load(std::string_view bmp) const {
    Picture picture;
    if (!quizra::staysInside(bmp)) {
        picture.status = Picture::Status::Outside;
        return picture;
    }
    // The path the exact names give; '\\' and '/' separate folders, empty names are skipped.
    std::string exact = directory_;
    for (std::string_view rest = bmp; !rest.empty();) {
        const std::size_t end = std::min(rest.find_first_of("/\\"), rest.size());
        if (end > 0) exact = quizra::joinPath(exact, rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    const std::string path = quizra::resolvePath(directory_, bmp);
    if (path != exact) {
        const std::size_t start = path.find_first_not_of('/', directory_.size());
        picture.foundIgnoringCase = path.substr(std::min(start, path.size()));
    }

    // Read first, so that a file that cannot be opened says why.
    const quizra::FileBytes file = quizra::readFileBytes(path);
    if (file.status != quizra::FileBytes::Status::Ok) {
        picture.status = file.status == quizra::FileBytes::Status::NotFound
                             ? Picture::Status::Missing
                             : Picture::Status::Unreadable;
        picture.problem = std::strerror(file.errorNumber);
        return picture;
    }
    QImageReader reader(QString::fromStdString(path));
    const QImage image = reader.read();
    if (image.isNull()) {
        picture.status = Picture::Status::NotAnImage;
        picture.problem = reader.errorString().toStdString();
        return picture;
    }
    picture.status = Picture::Status::Loads;
    picture.width = image.width();
    picture.height = image.height();
    return picture;
}

std::string QtPictureLoader::linkedOutside(std::string_view bmp) const {
    return check::linkedOutside(directory_, quizra::resolvePath(directory_, bmp));
}

} // namespace bankcheck
