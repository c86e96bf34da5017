#include "app/frame_clock.h"

int elapsedMs = 0;
float elapsedTime = 0;
double previousTime = 0;
float frameDelta = 0;
int frameCount = 0;
int framesPerSecond = 30;
double nextSecondTime = 1.0;

float clampedFrameDelta(int ms, double previous) {
  const float delta = static_cast<float>(ms * 0.001 - previous);
  return delta > 0.1f ? 0.05f : delta;
}

void countFrame(float now, int& count, int& perSecond, double& nextSecond) {
  count += 1;
  if (now >= nextSecond) {
    nextSecond += 1.0;
    perSecond = count;
    count = 0;
  }
}

void advanceFrameClock() {
  elapsedTime = static_cast<float>(elapsedMs * 0.001);
  frameDelta = clampedFrameDelta(elapsedMs, previousTime);
  previousTime = elapsedTime;
}
