#include "picturewriter.h"

#include "outputfolder.h"
#include "pngencode.h"
#include "translation.h"

namespace check {

PictureWriter::PictureWriter(const OutputFolder &folder)
    : folder_(folder), room_(2 * QThread::idealThreadCount()) {
    pool_.setMaxThreadCount(QThread::idealThreadCount());
}

PictureWriter::~PictureWriter() {
    pool_.waitForDone();
}

void PictureWriter::write(const std::string &name, std::string key, QImage image) {
    room_.acquire();
    pool_.start([this, name, key = std::move(key), image = std::move(image)]() mutable {
        const std::string bytes = fastPng(image);
        image = QImage(); // its memory goes back before the next one is rendered
        const std::string failure =
            bytes.empty() ? check::tr("cannot encode ") + name : folder_.write(name, bytes);
        {
            const std::lock_guard lock(mutex_);
            if (failure.empty())
                written_[name] = {std::move(key), bytes.size()};
            else if (failure_.empty())
                failure_ = failure;
        }
        room_.release();
    });
}

std::string PictureWriter::finish() {
    pool_.waitForDone();
    const std::lock_guard lock(mutex_);
    return failure_;
}

} // namespace check
