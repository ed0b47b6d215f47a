#pragma once

#include <string>

namespace spreadsheet {

// One writer at a time in a bank folder: an advisory lock (flock) on a file in the folder, held
// for the object's life and let go by the system when a writer dies.
class BankLock {
public:
    enum class State { Held, Busy, Failed };

    // Tries once, without waiting.
    explicit BankLock(const std::string &directory);
    ~BankLock();
    BankLock(const BankLock &) = delete;
    BankLock &operator=(const BankLock &) = delete;

    State state() const { return state_; }
    int error() const { return error_; } // errno when Failed

private:
    int fd_ = -1;
    State state_ = State::Failed;
    int error_ = 0;
};

// The name of the lock file inside a bank folder.
inline constexpr const char *LockFileName = ".quizra-lock";

} // namespace spreadsheet
