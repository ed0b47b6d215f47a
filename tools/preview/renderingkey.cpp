#include "renderingkey.h"

#include "files.h"
#include "modMain.h"

#include <QCryptographicHash>

#include <sys/stat.h>

namespace check {
namespace {

class Digest {
public:
    Digest &operator<<(std::string_view text) {
        hash_.addData(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
        hash_.addData(QByteArrayView("\0", 1)); // keeps "ab","c" apart from "a","bc"
        return *this;
    }
    Digest &operator<<(long long number) { return *this << std::to_string(number); }
    std::string hex() const { return hash_.result().toHex().toStdString(); }

private:
    QCryptographicHash hash_{QCryptographicHash::Sha1};
};

} // namespace

std::string renderingKey(std::string_view renderer, std::int16_t index, const MondaiRec &question) {
    Digest digest;
    digest << renderer << index << question.bun << question.ans1 << question.ans2 << question.ans3
           << question.ans4 << question.ans << question.bmp << question.type;
    // The file the exam window would load: a name that climbs out of the bank loads none.
    if (!question.bmp.empty() && quizra::staysInside(question.bmp)) {
        const std::string path = quizra::resolvePath(quizra::bankDirectory(), question.bmp);
        struct stat info;
        if (stat(path.c_str(), &info) == 0)
            digest << path << info.st_size << info.st_mtim.tv_sec << info.st_mtim.tv_nsec
                   << static_cast<long long>(info.st_ino) << static_cast<long long>(info.st_dev);
    }
    return digest.hex();
}

} // namespace check
