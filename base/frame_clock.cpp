#include "base/frame_clock.h"

#include <cstdint>

int elapsedMs = 0;
long long runningMs = 0;
long long clockEpochMs = 0;
float elapsedTime = 0;
double previousTime = 0;
float frameDelta = 0;
int frameCount = 0;
int framesPerSecond = 30;
double nextSecondTime = 1.0;

long long unwrapMilliseconds(long long running, int ms) {
  // The running count's low 32 bits are the last count the toolkit gave.
  const std::uint32_t step = static_cast<std::uint32_t>(ms) - static_cast<std::uint32_t>(running);
  return running + static_cast<std::int32_t>(step);
}

float clampedFrameDelta(long long ms, double previous) {
  const float delta = static_cast<float>(ms * 0.001 - previous);
  return delta > 0.1f || delta < 0 ? 0.05f : delta;
}

void countFrame(float now, int& count, int& perSecond, double& nextSecond) {
  count += 1;
  if (now >= nextSecond) {
    nextSecond += 1.0;
    perSecond = count;
    count = 0;
  }
}

long long clockEpochFor(long long ms) {
  const long long step = 1024000;
  if (ms < 2 * step) return 0;
  return (ms / step - 1) * step;
}

void advanceFrameClock() {
  runningMs = unwrapMilliseconds(runningMs, elapsedMs);
  const double seconds = runningMs * 0.001;
  elapsedTime = static_cast<float>((runningMs - clockEpochMs) * 0.001);
  frameDelta = clampedFrameDelta(runningMs, previousTime);
  previousTime = seconds;
}
