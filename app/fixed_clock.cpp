#include "app/fixed_clock.h"

#include <climits>
#include <cstring>

#include "base/number_text.h"

FixedClock fixedClock = {0, 0, 0};

FixedClock parseFixedClock(const char* text) {
  FixedClock clock = {0, 0, 0};
  if (text == nullptr) return clock;
  const char* comma = std::strchr(text, ',');
  char step[24] = "";
  if (comma == nullptr || comma - text >= static_cast<long>(sizeof step)) return clock;
  std::memcpy(step, text, static_cast<size_t>(comma - text));
  long long stepMs = 0, endMs = 0;
  if (!readWholeNumber(step, 1, 100, stepMs) || !readWholeNumber(comma + 1, stepMs, INT_MAX, endMs))
    return clock;
  clock.stepMs = static_cast<int>(stepMs);
  clock.endMs = static_cast<int>(endMs);
  return clock;
}

int nextFixedClockReading(FixedClock& clock) {
  const long long reading = static_cast<long long>(clock.frames + 1) * clock.stepMs;
  if (reading > clock.endMs) return -1;
  clock.frames += 1;
  return static_cast<int>(reading);
}
