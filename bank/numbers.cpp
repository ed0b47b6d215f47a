#include "numbers.h"

#include "error.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace quizra {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

} // namespace

double textToNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // Find the extent of digits [. digits] [e [sign] digits], and the decimal magnitude of the
    // first significant digit, which tells overflow from underflow when from_chars gives up.
    const std::size_t start = i;
    std::size_t digits = 0;
    long magnitude = 0; // position of the first non-zero digit relative to the decimal point
    bool significant = false;
    for (; i < text.size() && isDigit(text[i]); ++i, ++digits) {
        if (text[i] != '0') significant = true;
        if (significant) ++magnitude;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++digits) {
            if (text[i] != '0') significant = true;
            if (!significant) --magnitude;
        }
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        bool negativeExponent = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            negativeExponent = text[e++] == '-';
        if (e < text.size() && isDigit(text[e])) {
            long exponent = 0;
            for (; e < text.size() && isDigit(text[e]); ++e)
                exponent = std::min<long>(exponent * 10 + (text[e] - '0'), INT_MAX);
            magnitude += negativeExponent ? -exponent : exponent;
            end = e;
        }
    }

    double value = 0.0;
    const auto [ptr, ec] =
        std::from_chars(text.data() + start, text.data() + end, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0) throw errors::overflow();
        value = 0.0;
    }
    return negative ? -value : value;
}

std::int16_t toInteger16(double value) {
    if (!std::isfinite(value)) throw errors::overflow();
    // Half to even, spelt out so that it does not hang on the floating-point rounding mode.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    if (whole < INT16_MIN || whole > INT16_MAX) throw errors::overflow();
    return static_cast<std::int16_t>(whole);
}

std::string integerText(long value) {
    char buffer[24];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

} // namespace quizra
