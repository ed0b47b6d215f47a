#include "pictureCache.h"

#include "pictureDecode.h"

#include <QThread>

#include <algorithm>
#include <sys/stat.h>

namespace {

bool sameTime(const timespec &a, const timespec &b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

bool PictureCache::Stamp::operator==(const Stamp &other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           sameTime(modified, other.modified) && sameTime(changed, other.changed);
}

PictureCache::PictureCache(QSize visible, std::size_t budgetBytes)
    : visible_(visible), budgetBytes_(budgetBytes) {
    // Two pictures decode at once where there are cores for them.
    worker_.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, 2));
}

PictureCache::Entry *PictureCache::entryFor(const std::string &path, bool ahead) {
    struct stat info;
    // Only regular files: a named pipe would wait for a writer for ever.
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    const Stamp stamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
    Entry &entry = entries_[path];
    entry.lastUse = ++uses_;
    if (entry.stamp == stamp) return &entry; // a new entry has no size yet
    entry = Entry{stamp, nullptr, {}, {}, false, uses_};
    if (ahead) {
        entry.ahead = std::make_shared<Ahead>();
        entry.decoded = entry.ahead->done.get_future();
        worker_.start([task = entry.ahead, path, visible = visible_] {
            if (task->started.test_and_set()) return; // the window's thread took it
            try {
                task->done.set_value(decodePicture(path, visible).shown);
            } catch (...) {
                task->done.set_exception(std::current_exception());
            }
        });
    }
    return &entry;
}

QPixmap PictureCache::picture(const std::string &path) {
    Entry *entry = entryFor(path, false);
    if (!entry) return {};
    if (!entry->settled) {
        if (entry->ahead && entry->ahead->started.test_and_set())
            entry->picture = entry->decoded.get(); // the worker has this one in hand
        else
            entry->picture = decodePicture(path, visible_).shown;
        entry->settled = true;
        entry->ahead.reset();
    }
    keepWithinBudget(*entry);
    // A picture in the pixmap's own format is shared, not copied.
    return QPixmap::fromImage(entry->picture);
}

void PictureCache::prepare(const std::string &path) {
    entryFor(path, true);
}

void PictureCache::takeIfDone(Entry &entry) {
    using namespace std::chrono_literals;
    if (!entry.ahead || entry.decoded.wait_for(0s) != std::future_status::ready) return;
    entry.picture = entry.decoded.get();
    entry.settled = true;
    entry.ahead.reset();
}

void PictureCache::keepWithinBudget(const Entry &keep) {
    for (auto &[path, entry] : entries_)
        takeIfDone(entry);
    for (;;) {
        std::size_t used = 0;
        auto oldest = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            used += static_cast<std::size_t>(it->second.picture.sizeInBytes());
            if (&it->second != &keep && !it->second.picture.isNull() &&
                (oldest == entries_.end() || it->second.lastUse < oldest->second.lastUse))
                oldest = it;
        }
        if (used <= budgetBytes_ || oldest == entries_.end()) return;
        entries_.erase(oldest);
    }
}
