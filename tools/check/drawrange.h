#pragma once

#include <string>

namespace check {

// The entries the draw can pick from a file whose count reads count: k = floor(r * count) + 1
// for r in [0, 1), as far as k fits the 16-bit integer the program holds it in. A k beyond
// that is an overflow, and the exam that draws it does not start.
struct DrawRange {
    long first = 1;
    long last = 1;
    double overflowing = 0; // the share of draws that overflow, 0 to 1
    // The section the nearest overflowing draw would look up: [SEC32768] or [SEC-32769].
    long firstOverflowing = 0;
};
DrawRange drawRange(double count);

// How many exam starts a share of overflowing draws stops: "about 67 in 100 exam starts fail",
// "about 1 in 5 exam starts fail", "practically every exam start fails".
std::string failingStarts(double share);

} // namespace check
