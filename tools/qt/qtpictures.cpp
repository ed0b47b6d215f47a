#include "qtpictures.h"

#include "bankpaths.h"
#include "files.h"
#include "pictureDecode.h"

#include <cerrno>
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

    // The exam's own decision, over the most of a picture its frame shows.
    const DecodedPicture decoded =
        decodePicture(path, QSize(PictureAreaWidth, SingleRowAreaHeight));
    if (decoded.errorNumber != 0) {
        picture.status = decoded.errorNumber == ENOENT || decoded.errorNumber == ENOTDIR
                             ? Picture::Status::Missing
                             : Picture::Status::Unreadable;
        picture.problem = std::strerror(decoded.errorNumber);
    } else if (decoded.shown.isNull()) {
        picture.status = Picture::Status::NotAnImage;
        picture.problem = decoded.problem;
    } else {
        picture.status = Picture::Status::Loads;
        picture.width = decoded.size.width();
        picture.height = decoded.size.height();
    }
    return picture;
}

std::string QtPictureLoader::linkedOutside(std::string_view bmp) const {
    return check::linkedOutside(directory_, quizra::resolvePath(directory_, bmp));
}

} // namespace bankcheck
