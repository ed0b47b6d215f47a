#include "clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace quizra {
namespace {

std::function<double()> &replacement() {
    static std::function<double()> now;
    return now;
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian calendar).
long daysFromCivil(long year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long>(dayOfEra) - 719468;
}

constexpr long UnixEpochDay = 25569; // 1970-01-01 counted from 1899-12-30

double systemNow() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const double fraction = duration<double>(now - system_clock::from_time_t(seconds)).count();
    std::tm local{};
    localtime_r(&seconds, &local);
    const long day = daysFromCivil(local.tm_year + 1900L, static_cast<unsigned>(local.tm_mon + 1),
                                   static_cast<unsigned>(local.tm_mday)) +
                     UnixEpochDay;
    const double secondOfDay =
        local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
    return static_cast<double>(day) + secondOfDay / SecondsPerDay;
}

} // namespace

double Now() {
    return replacement() ? replacement()() : systemNow();
}

double TimeOfDay() {
    const double now = Now();
    return (now - std::floor(now)) * SecondsPerDay;
}

void setClock(std::function<double()> now) {
    replacement() = std::move(now);
}

} // namespace quizra
