#include "grading.h"

#include "bank/numbers.h"

#include <cmath>
#include <cstdio>

namespace grading {

std::string percentText(double percent) {
    // Round on tenths first so that printf's own rounding of the binary value never decides.
    double tenths = std::round(percent * 10.0);
    if (tenths == 0.0) tenths = 0.0; // no "-0.0"
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", tenths / 10.0);
    return text;
}

double number(std::string_view text) {
    return quizra::textToNumber(text);
}

std::int16_t wholeNumber(std::string_view text) {
    return quizra::toInteger16(quizra::textToNumber(text));
}

bool belowPassMark(std::string_view percent, int passMark) {
    return wholeNumber(percent) < passMark;
}

} // namespace grading
