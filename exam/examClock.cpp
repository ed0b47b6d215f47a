#include "examClock.h"

#include "bank/clock.h"

#include <cmath>

namespace examClock {
namespace {
std::string twoDigits(long value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}
} // namespace

long remainingSeconds(double startTime, double now) {
    return std::lround((Duration - (now - startTime)) * quizra::SecondsPerDay);
}

std::string remainingText(double startTime, double now) {
    const long seconds = remainingSeconds(startTime, now);
    if (seconds < 60) return "00:00";
    return twoDigits(seconds / 3600 % 24) + ":" + twoDigits(seconds / 60 % 60);
}

} // namespace examClock
