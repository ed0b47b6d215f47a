#include "banklock.h"

#include "files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace spreadsheet {

BankLock::BankLock(const std::string &directory) {
    const std::string path = quizra::joinPath(directory, LockFileName);
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    if (flock(fd_, LOCK_EX | LOCK_NB) == 0)
        state_ = State::Held;
    else if (errno == EWOULDBLOCK)
        state_ = State::Busy;
    else
        error_ = errno;
}

BankLock::~BankLock() {
    if (fd_ >= 0) close(fd_); // lets the lock go
}

} // namespace spreadsheet
