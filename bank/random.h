#pragma once

#include <functional>

namespace quizra {

// Seeds the program's generator.
void Randomize(double seed);
// The next uniform value r, 0 <= r < 1.
double Rnd();

// Feeds Rnd from a function instead of the generator (tests); an empty function restores it.
void setRandomSource(std::function<double()> source);

} // namespace quizra
