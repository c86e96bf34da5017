#include "app/startup_seed.h"

#include <chrono>
#include <climits>
#include <cstdlib>

#include "base/number_text.h"

bool parseSeed(const char* text, unsigned int& seed) {
  long long value = 0;
  if (!readWholeNumber(text, 0, UINT_MAX, value)) return false;
  seed = static_cast<unsigned int>(value);
  return true;
}

unsigned int startupSeed(const char* fixedSeed, long long wallClockNs, int elapsedMs) {
  unsigned int seed;
  if (parseSeed(fixedSeed, seed)) return seed;
  // Fold the nanoseconds so that every bit of the clock reaches the 32-bit seed, then stir
  // (a 64-bit finaliser) so that launches a second apart do not seed neighbouring values.
  unsigned long long mixed =
      static_cast<unsigned long long>(wallClockNs) ^ static_cast<unsigned int>(elapsedMs);
  mixed ^= mixed >> 33;
  mixed *= 0xff51afd7ed558ccdull;
  mixed ^= mixed >> 33;
  mixed *= 0xc4ceb9fe1a85ec53ull;
  mixed ^= mixed >> 33;
  return static_cast<unsigned int>(mixed ^ (mixed >> 32));
}

unsigned int launchSeed(int elapsedMs) {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
  return startupSeed(std::getenv("GYROTRAK_SEED"), ns, elapsedMs);
}
