#pragma once

// Seconds that drive the scene's slow periodic motions (the flare's and the light's orbit).
// Starts at a random offset and gains every frame's delta, paused or not.
// Written only by randomiseSceneClock and advanceSceneClock.
extern double sceneClock;

// sceneClock = random(360): a new point in the cycles, after start-up and after a user reset.
void randomiseSceneClock();

// sceneClock += seconds, once per frame with the frame's delta.
void advanceSceneClock(float seconds);
