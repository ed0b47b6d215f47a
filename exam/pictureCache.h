#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QThreadPool>

#include <atomic>
#include <cstdint>
#include <ctime>
#include <future>
#include <memory>
#include <string>
#include <sys/types.h>
#include <unordered_map>

// The exam's pictures, each decoded once while its file stays the same file with the same
// contents (device, inode, size, modification and change time), and kept only as far as the
// exam window shows them. Pictures of the questions about to be shown can be decoded ahead on
// worker threads; the cache keeps the pictures used last within a budget of bytes and drops
// the others. Pixmaps are made on the window's thread, when shown.
class PictureCache {
public:
    // visible: the most of a picture the window shows, from its top-left corner.
    PictureCache(QSize visible, std::size_t budgetBytes);

    // The picture file at path as it is now; a null pixmap when it is no regular file (or path
    // is "") or cannot be shown. Waits for no other picture than this one.
    QPixmap picture(const std::string &path);
    // Starts decoding path on a worker thread, unless it is decoded already as it is now.
    void prepare(const std::string &path);

private:
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = -1;
        timespec modified{};
        timespec changed{};
        bool operator==(const Stamp &other) const;
    };
    // A decoding ahead, which whoever starts it first does: the worker, or the window's thread
    // when it needs the picture before the worker has got to it.
    struct Ahead {
        std::atomic_flag started;
        std::promise<QImage> done;
    };
    struct Entry {
        Stamp stamp;
        std::shared_ptr<Ahead> ahead; // set while a decoding ahead has not been taken
        std::future<QImage> decoded;
        QImage picture;
        bool settled = false; // picture holds what the file decodes to, null included
        std::uint64_t lastUse = 0;
    };

    // The entry for path as the file is now, its decoding ahead started when it is new or the
    // file has changed; nullptr when path is no regular file.
    Entry *entryFor(const std::string &path, bool ahead);
    // Takes the decoding ahead into entry's picture once the worker has finished it.
    static void takeIfDone(Entry &entry);
    // Drops the pictures used longest ago, all but keep, until the rest fit the budget.
    void keepWithinBudget(const Entry &keep);

    QSize visible_;
    std::size_t budgetBytes_;
    std::uint64_t uses_ = 0;
    std::unordered_map<std::string, Entry> entries_;
    // Up to two threads, kept between pictures; they finish their decoding before the cache goes.
    QThreadPool worker_;
};
