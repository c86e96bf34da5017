#include "base/scene_clock.h"

#include "base/random.h"

double sceneClock = 0;

void randomiseSceneClock() {
  sceneClock = random(360);
}

void advanceSceneClock(float seconds) {
  sceneClock += seconds;
}
