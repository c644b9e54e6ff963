#pragma once
// The uniform random generator of the courses.
#include <cstdint>

namespace platform {

// A number in [0, 1).
double Rnd();
// Re-seeds by mixing the clock into the current state, so two re-seeds in the same
// clock tick still lead to different numbers.
void Randomize();
// Int(Rnd * n): a whole number 0 .. n - 1.
int RndInt(int n);
// The whole number nearest to x, an exact half going to the even neighbour.
int RoundHalfEven(double x);
// Makes the generator and every later re-seed deterministic (tests).
void setFixedSeed(std::uint64_t seed);

} // namespace platform
