// Fuzzes text to number, the 16-bit conversion and the draw's entry number: each either gives
// the value a plain reference computes or raises the overflow error, and nothing else.
//
// Input: the text to read. Its first 16 bytes, when present, also serve as two raw doubles.

#include "check.h"

#include "error.h"
#include "modMain.h"
#include "numbers.h"

#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

using fuzz::check;

// Runs convert; nullopt when it raised the overflow error, which is the only error allowed.
template <class F> auto orOverflow(F convert) -> std::optional<decltype(convert())> {
    try {
        return convert();
    } catch (const quizra::QuizraError &e) {
        check(e.number() == quizra::errors::Overflow,
              "a conversion raised an error other than overflow");
        return std::nullopt;
    }
}

// The 16-bit value of x by the processor's own round-half-to-even; nullopt when out of range.
std::optional<std::int16_t> referenceInteger16(double x) {
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(x);
    if (!std::isfinite(rounded) || rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

void checkInteger16(double x) {
    const auto got = orOverflow([&] { return quizra::toInteger16(x); });
    const auto want = referenceInteger16(x);
    check(got.has_value() == want.has_value(),
          "16-bit conversion: overflow where none is due, or none where due");
    if (got) check(*got == *want, "16-bit conversion does not round half to even");
}

// What strtod makes of the decimal number at the start of text, read by the reading rules:
// blanks are space, tab and vertical tab only, and no hexadecimal, "inf" or "nan" forms count.
struct Reference {
    double value;
    bool overflow;
};
Reference referenceNumber(const std::string &text) {
    std::size_t i = text.find_first_not_of(" \t\v");
    if (i == std::string::npos) return {0.0, false};
    std::size_t digit = i + (text[i] == '+' || text[i] == '-' ? 1 : 0);
    auto isDigit = [&](std::size_t k) {
        return k < text.size() && text[k] >= '0' && text[k] <= '9';
    };
    if (!isDigit(digit) && !(text[digit] == '.' && isDigit(digit + 1))) return {0.0, false};
    std::string number = text.substr(i, text.find('\0', i) - i);
    // strtod would read "0x1f" as hexadecimal; by the rules it is 0 followed by ignored text.
    const std::size_t x = digit - i + 1;
    if (number[digit - i] == '0' && x < number.size() && (number[x] == 'x' || number[x] == 'X'))
        number.resize(x);
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    return {value, errno == ERANGE && std::isinf(value)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);

    const auto number = orOverflow([&] { return quizra::textToNumber(text); });
    const Reference want = referenceNumber(text);
    check(number.has_value() != want.overflow, "text to number: overflow disagrees with strtod");
    if (number) {
        check(std::isfinite(*number), "text to number gives a value that is not finite");
        if (std::fabs(want.value) >= 0x1p-1022)
            check(*number == want.value, "text to number differs from strtod");
        else
            check(std::fabs(*number) < 0x1p-1022,
                  "text to number: an underflow that strtod does not see");
        checkInteger16(*number);
    }

    if (size >= 16) {
        double raw[2];
        std::memcpy(raw, data, sizeof raw);
        checkInteger16(raw[0]);

        // The draw: r from the first bits, in [0, 1); count as the number the text reads.
        std::uint64_t bits;
        std::memcpy(&bits, data + 8, sizeof bits);
        const double r = static_cast<double>(bits >> 11) * 0x1p-53;
        const double count = number.value_or(raw[1]);
        const auto k = orOverflow([&] { return modMain::entryNumber(r, count); });
        const auto wantK = referenceInteger16(std::floor(r * count) + 1);
        check(k.has_value() == wantK.has_value(),
              "entry number: overflow disagrees with the range of floor(r * count) + 1");
        if (k) {
            check(*k == *wantK, "entry number differs from floor(r * count) + 1");
            check(modMain::entrySection(*k) == "SEC" + std::to_string(*k),
                  "entry section is not SEC followed by the number");
        }
    }

    // Whole numbers read back as themselves.
    if (number && *number == std::trunc(*number) && std::fabs(*number) < 1e15) {
        const long whole = static_cast<long>(*number);
        check(quizra::textToNumber(quizra::integerText(whole)) == static_cast<double>(whole),
              "a whole number does not read back from its text");
    }
    return 0;
}
