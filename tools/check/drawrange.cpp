#include "drawrange.h"

#include "error.h"
#include "modMain.h"
#include "numbers.h"
#include "translation.h"

#include <cmath>
#include <cstdint>

namespace check {

DrawRange drawRange(double count) {
    // The draw's r lies in [0, 1): these two ends give the whole range of entry numbers.
    const auto entryAt = [&](double r, long beyond) -> long {
        try {
            return modMain::entryNumber(r, count);
        } catch (const quizra::QuizraError &error) {
            if (error.number() != quizra::errors::Overflow) throw;
            return beyond;
        }
    };
    const long low = entryAt(0.0, INT16_MIN);
    const long high = entryAt(std::nextafter(1.0, 0.0), count < 0 ? INT16_MIN : INT16_MAX);
    DrawRange range{std::min(low, high), std::max(low, high), 0.0, 0};
    // k > 32767 exactly when r * count >= 32767; k < -32768 exactly when r * count < -32769.
    if (count > INT16_MAX) {
        range.overflowing = 1.0 - INT16_MAX / count;
        range.firstOverflowing = INT16_MAX + 1L;
    } else if (count < INT16_MIN - 1.0) {
        range.overflowing = 1.0 - (INT16_MAX + 2.0) / -count;
        range.firstOverflowing = INT16_MIN - 1L;
    }
    return range;
}

std::string failingStarts(double share) {
    const long percent = std::lround(share * 100);
    if (percent >= 100) return check::tr("practically every exam start fails");
    if (share >= 0.5)
        return check::tr("about ") + quizra::integerText(percent) +
               check::tr(" in 100 exam starts fail");
    return check::tr("about 1 in ") + quizra::integerText(std::lround(1 / share)) +
           check::tr(" exam starts fail");
}

} // namespace check
