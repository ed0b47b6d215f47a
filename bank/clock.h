#pragma once

#include <functional>

namespace quizra {

// Date-time values are days since 1899-12-30 00:00 local time, the time of day the fraction.
inline constexpr double SecondsPerDay = 86400.0;

// The current local date-time. Replaceable for tests.
double Now();
// Seconds since local midnight, taken from Now().
double TimeOfDay();

// Replaces the clock; an empty function restores the system clock.
void setClock(std::function<double()> now);

} // namespace quizra
