#pragma once

// A fixed frame clock, for screenshots and tests only. GYROTRAK_CLOCK="STEP,END" (milliseconds)
// makes every frame advance the clock by exactly STEP instead of reading the toolkit's clock,
// and stops drawing once the next step would pass END, leaving the last picture on screen until
// the window is closed or an exit is asked for (the clock then runs on past END for its fade). With
// GYROTRAK_SEED set too, the same command gives the same picture however fast the machine draws.
// Unset or malformed, the real clock runs.
struct FixedClock {
  int stepMs;  // 0: the real clock
  int endMs;
  int frames;  // frames drawn on it so far
};

// Written by initialise (from the environment) and by the display callback.
extern FixedClock fixedClock;

// The fixed clock that text names: STEP from 1 to 100 (a longer step would be clamped by the
// frame) and END from STEP up, so that at least one frame is drawn: two whole numbers
// (base/number_text.h) joined by a comma. Anything else: the real clock (stepMs 0).
FixedClock parseFixedClock(const char* text);

// The clock reading for the next frame, counting the frame; -1, counting nothing, once that
// reading would pass the end.
int nextFixedClockReading(FixedClock& clock);
