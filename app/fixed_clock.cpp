#include "app/fixed_clock.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

FixedClock fixedClock = {0, 0, 0};

namespace {

// A whole decimal number from text up to the character stop, within [low, high].
bool parseNumber(const char* text, char stop, long low, long high, const char*& end, int& value) {
  if (*text < '0' || *text > '9') return false;
  char* after = nullptr;
  errno = 0;
  const long number = std::strtol(text, &after, 10);
  if (errno != 0 || *after != stop || number < low || number > high) return false;
  value = static_cast<int>(number);
  end = after;
  return true;
}

}  // namespace

FixedClock parseFixedClock(const char* text) {
  FixedClock clock = {0, 0, 0};
  if (text == nullptr) return clock;
  const char* end = text;
  int step = 0, last = 0;
  if (!parseNumber(text, ',', 1, 100, end, step)) return clock;
  if (!parseNumber(end + 1, '\0', 0, INT_MAX, end, last)) return clock;
  clock.stepMs = step;
  clock.endMs = last;
  return clock;
}

int nextFixedClockReading(FixedClock& clock) {
  const long long reading = static_cast<long long>(clock.frames + 1) * clock.stepMs;
  if (reading > clock.endMs) return -1;
  clock.frames += 1;
  return static_cast<int>(reading);
}
