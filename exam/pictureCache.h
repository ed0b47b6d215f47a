#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QThreadPool>

#include <ctime>
#include <future>
#include <string>
#include <sys/types.h>
#include <unordered_map>

// The exam's pictures, each decoded once while its file stays as it is (same size and
// modification time), and kept only as far as the exam window shows them, in the format they
// decode to (a palette picture stays at a byte a pixel or less). The next question's picture can
// be decoded ahead on a worker thread; pixmaps are made on the window's thread, when shown.
class PictureCache {
public:
    // visible: the most of a picture the window shows, from its top-left corner.
    explicit PictureCache(QSize visible);

    // The picture file at path as it is now; a null pixmap when it is no regular file (or path
    // is "") or cannot be decoded.
    QPixmap picture(const std::string &path);
    // Starts decoding path on a worker thread, unless it is decoded already as it is now.
    void prepare(const std::string &path);

private:
    struct Stamp {
        off_t size = -1;
        timespec modified{};
        bool operator==(const Stamp &other) const {
            return size == other.size && modified.tv_sec == other.modified.tv_sec &&
                   modified.tv_nsec == other.modified.tv_nsec;
        }
    };
    struct Entry {
        Stamp stamp;
        std::future<QImage> decoding; // valid until the picture has been taken from it
        QImage picture;
    };

    // The entry for path as the file is now, its decoding started (on the worker when ahead)
    // when it is new or the file has changed; nullptr when path is no regular file.
    Entry *entryFor(const std::string &path, bool ahead);

    QSize visible_;
    std::unordered_map<std::string, Entry> entries_;
    // One thread, kept between pictures; it finishes its decoding before the cache goes.
    QThreadPool worker_;
};
