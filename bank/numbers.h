#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quizra {

// The value of the decimal number the text begins with: leading blanks skipped, an optional
// sign, digits, an optional decimal point and fraction, an optional exponent ("1e3" is 1000);
// the rest is ignored, and a text that begins with no number gives 0. No hexadecimal prefix;
// full-width digits are not digits. A number too large for a double ("1e400") is an overflow
// error; one too small underflows quietly towards 0.
double textToNumber(std::string_view text);

// Rounds half to even ("2.5" -> 2, "3.5" -> 4, "-0.5" -> 0); a result outside -32768..32767,
// or a value that is not finite, is an overflow error.
std::int16_t toInteger16(double value);

// Whole number to text: plain digits, a minus sign when negative, no blank, no leading zeros.
std::string integerText(long value);

} // namespace quizra
