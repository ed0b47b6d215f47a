#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The arithmetic of the results sheet and the text conversions it reads its own boxes back with.
namespace grading {

inline constexpr int PointsPerQuestion = 10;

// One graded part of the exam: its questions, the divisor that turns points into a percentage
// of its full marks, and the percentage it must reach to stay in the ordinary colour.
struct Section {
    int first; // first question index
    int last;  // last question index, included
    double divisor;
    int passMark;
};

inline constexpr Section Section1{0, 11, 1.2, 50};
inline constexpr Section Section2{12, 25, 1.4, 50};
inline constexpr Section Section3{26, 49, 2.4, 50};
inline constexpr Section WholeExam{0, 49, 5.0, 65};

// A percentage as "#0.0": rounded to the nearest tenth (halves away from zero), a full stop,
// at least one digit before it.
std::string percentText(double percent);

// The decimal number a text begins with (0 when none).
double number(std::string_view text);

// The text's number rounded to a whole number, halves to even; out of 16 bits is an overflow.
std::int16_t wholeNumber(std::string_view text);

// Whether a displayed percentage, rounded to a whole number, lies strictly below the pass mark.
bool belowPassMark(std::string_view percent, int passMark);

} // namespace grading
