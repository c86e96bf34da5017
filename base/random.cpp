#include "base/random.h"

#include <cstdint>

namespace {
// Written only by seedRandom and nextRandom.
std::uint32_t randomState = 1;
}  // namespace

void seedRandom(unsigned int seed) {
  randomState = seed;
}

int nextRandom() {
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

double random(double x) {
  return nextRandom() / 32768.0 * x;
}
