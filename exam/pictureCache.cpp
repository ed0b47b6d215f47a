#include "pictureCache.h"

#include "pictureDecode.h"

#include <memory>
#include <sys/stat.h>

PictureCache::PictureCache(QSize visible) : visible_(visible) {
    worker_.setMaxThreadCount(1);
}

PictureCache::Entry *PictureCache::entryFor(const std::string &path, bool ahead) {
    struct stat info;
    // Only regular files: a named pipe would wait for a writer for ever.
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    const Stamp stamp{info.st_size, info.st_mtim};
    Entry &entry = entries_[path];
    if (!(entry.stamp == stamp)) { // a new entry has no size yet
        entry.stamp = stamp;
        entry.picture = QImage();
        if (!ahead) {
            entry.decoding = std::async(std::launch::deferred, decodePicture, path, visible_);
        } else {
            auto decoded = std::make_shared<std::promise<QImage>>();
            entry.decoding = decoded->get_future();
            worker_.start([decoded, path, visible = visible_] {
                try {
                    decoded->set_value(decodePicture(path, visible));
                } catch (...) {
                    decoded->set_exception(std::current_exception());
                }
            });
        }
    }
    return &entry;
}

QPixmap PictureCache::picture(const std::string &path) {
    Entry *entry = entryFor(path, false);
    if (!entry) return {};
    if (entry->decoding.valid()) entry->picture = entry->decoding.get();
    // A picture in the pixmap's own format is shared, not copied.
    return QPixmap::fromImage(entry->picture);
}

void PictureCache::prepare(const std::string &path) {
    entryFor(path, true);
}
