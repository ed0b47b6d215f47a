#pragma once

#include <chrono>
#include <cstddef>

namespace check {

// "120 of 5000 entries, 0:04 elapsed, 2:41 left" on standard error, rewritten in place at most a
// few times a second and cleared at the end; nothing when standard error is not a terminal.
class ProgressLine {
public:
    explicit ProgressLine(std::size_t total);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    void show(std::size_t done);

private:
    using Clock = std::chrono::steady_clock;
    std::size_t total_;
    bool shown_ = false;
    bool terminal_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point next_ = start_;
};

} // namespace check
