#include "random.h"

#include <bit>
#include <cstdint>
#include <random>

namespace quizra {
namespace {

std::mt19937_64 &generator() {
    static std::mt19937_64 engine;
    return engine;
}

std::function<double()> &source() {
    static std::function<double()> fixed;
    return fixed;
}

} // namespace

void Randomize(double seed) {
    generator().seed(std::bit_cast<std::uint64_t>(seed));
}

double Rnd() {
    if (source()) return source()();
    // The top 53 bits as a fraction: every value is a multiple of 2^-53 below 1.
    return static_cast<double>(generator()() >> 11) * 0x1.0p-53;
}

void setRandomSource(std::function<double()> fixed) {
    source() = std::move(fixed);
}

} // namespace quizra
