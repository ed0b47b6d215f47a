#pragma once

#include "manifest.h"

#include <QImage>
#include <QSemaphore>
#include <QThreadPool>

#include <mutex>
#include <string>

namespace check {

class OutputFolder;

// Encodes and writes the preview's pictures on a pool of threads, one per core, while the
// caller renders the next: only a few rendered pictures wait at a time, so memory stays bounded
// whatever the size of the bank.
class PictureWriter {
public:
    explicit PictureWriter(const OutputFolder &folder);
    ~PictureWriter();
    PictureWriter(const PictureWriter &) = delete;
    PictureWriter &operator=(const PictureWriter &) = delete;

    // Queues image to be written as name, showing the entry of key; waits while the queue is full.
    void write(const std::string &name, std::string key, QImage image);

    // Waits for every queued picture; the first failure's message, or "" when all were written.
    std::string finish();

    // After finish: what was written, by name.
    const Manifest &written() const { return written_; }

private:
    const OutputFolder &folder_;
    QThreadPool pool_;
    QSemaphore room_;
    std::mutex mutex_; // guards written_ and failure_
    Manifest written_;
    std::string failure_;
};

} // namespace check
