#include "app/scene_clock.h"

#include "app/random.h"

double sceneClock = 0;

void randomiseSceneClock() {
  sceneClock = random(360);
}

void advanceSceneClock(float frameDelta) {
  sceneClock += frameDelta;
}
