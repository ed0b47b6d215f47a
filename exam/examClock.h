#pragma once

#include <string>

// The exam's countdown, computed afresh from the start time on every tick.
namespace examClock {

// The exam lasts 1 hour 10 minutes; date-time values count in days.
inline constexpr double Duration = 70.0 / 1440.0;

// Whole seconds left at now of an exam started at startTime; negative once overrun. Rounded to
// the nearest second so that the noise of subtracting two date values never shows.
long remainingSeconds(double startTime, double now);

// The remaining time as "HH:MM": whole hours (mod 24) and whole minutes, never rounded up.
// Less than one minute left, or any overrun, reads "00:00": the exam is over.
std::string remainingText(double startTime, double now);

} // namespace examClock
