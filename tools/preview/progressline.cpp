#include "progressline.h"

#include "translation.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace check {
namespace {

// "1:05", or "1:02:05" past an hour.
std::string clockText(std::chrono::seconds span) {
    const long long s = span.count();
    char text[32];
    if (s >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", s / 60, s % 60);
    return text;
}

} // namespace

ProgressLine::ProgressLine(std::size_t total)
    : total_(total), terminal_(isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
    if (shown_) std::fputs("\r\x1b[K", stderr);
}

void ProgressLine::show(std::size_t done) {
    const Clock::time_point now = Clock::now();
    if (!terminal_ || now < next_ || done == 0) return;
    next_ = now + std::chrono::milliseconds(200);
    const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(now - start_);
    const auto left =
        std::chrono::duration_cast<std::chrono::seconds>((now - start_) * (total_ - done) / done);
    const std::string line = std::to_string(done) + check::tr(" of ") + std::to_string(total_) +
                             check::tr(" entries, ") + clockText(elapsed) +
                             check::tr(" elapsed, ") + clockText(left) + check::tr(" left");
    std::fprintf(stderr, "\r%s\x1b[K", line.c_str());
    std::fflush(stderr);
    shown_ = true;
}

} // namespace check
