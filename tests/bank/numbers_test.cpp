#include "error.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using quizra::textToNumber;
using quizra::toInteger16;

TEST(TextToNumber, ReadsTheNumberTheTextBeginsWith) {
    const std::pair<const char *, double> cases[] = {
        {"3", 3},
        {" \t3", 3},
        {"3番", 3},
        {"+3", 3},
        {"-3", -3},
        {"2.5", 2.5},
        {".5", 0.5},
        {"5.", 5},
        {"-.25", -0.25},
        {"1e3", 1000},
        {"1E+2x", 100},
        {"25e-1", 2.5},
        {"1e", 1},
        {"1e+", 1},
        {"007", 7},
        {"1 2", 1},
        {"", 0},
        {"x1", 0},
        {"-", 0},
        {".", 0},
        {"&H10", 0},
        {"0x10", 0},
        {"３", 0},
        {"\u3000"
         "3",
         0},
        {"1e-400", 0},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(textToNumber(text), expected) << '"' << text << '"';
}

TEST(TextToNumber, ANumberTooLargeForADoubleOverflows) {
    for (const char *text : {"1e400", "-1e400", "1e99999999999999999999"}) {
        try {
            textToNumber(text);
            ADD_FAILURE() << text << " did not overflow";
        } catch (const quizra::QuizraError &error) {
            EXPECT_EQ(error.number(), quizra::errors::Overflow) << text;
        }
    }
    EXPECT_EQ(textToNumber("1.7976931348623157e308"), 1.7976931348623157e308);
}

TEST(ToInteger16, RoundsHalvesToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {
        {2.5, 2},  {3.5, 4},    {-0.5, 0},        {-1.5, -2},         {0.49999999999999994, 0},
        {2.51, 3}, {-2.51, -3}, {32767.4, 32767}, {-32768.5, -32768}, {-32768.4, -32768},
    };
    for (const auto &[value, expected] : cases)
        EXPECT_EQ(toInteger16(value), expected) << value;
}

TEST(ToInteger16, AResultOutside16BitsOverflows) {
    for (double value : {32767.5, 32768.0, -32768.6, -32769.0, 1e300, HUGE_VAL, double(NAN)}) {
        try {
            toInteger16(value);
            ADD_FAILURE() << value << " did not overflow";
        } catch (const quizra::QuizraError &error) {
            EXPECT_EQ(error.number(), quizra::errors::Overflow) << value;
        }
    }
}

TEST(IntegerText, PlainDigitsWithAMinusSign) {
    EXPECT_EQ(quizra::integerText(0), "0");
    EXPECT_EQ(quizra::integerText(50), "50");
    EXPECT_EQ(quizra::integerText(-32768), "-32768");
}

} // namespace
