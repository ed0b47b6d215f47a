#include "pictureCache.h"

#include "pictureDecode.h"

#include <sys/stat.h>

PictureCache::Entry *PictureCache::entryFor(const std::string &path, std::launch policy) {
    struct stat info;
    // Only regular files: a named pipe would wait for a writer for ever.
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    const Stamp stamp{info.st_size, info.st_mtim};
    Entry &entry = entries_[path];
    if (!(entry.stamp == stamp)) { // a new entry has no size yet
        entry.stamp = stamp;
        entry.decoding = std::async(policy, decodePicture, path, visible_);
        entry.pixmap = QPixmap();
    }
    return &entry;
}

QPixmap PictureCache::picture(const std::string &path) {
    Entry *entry = entryFor(path, std::launch::deferred);
    if (!entry) return {};
    if (entry->decoding.valid()) entry->pixmap = QPixmap::fromImage(entry->decoding.get());
    return entry->pixmap;
}

void PictureCache::prepare(const std::string &path) {
    // Decoded when the picture is shown instead, should no thread be available.
    entryFor(path, std::launch::async | std::launch::deferred);
}
