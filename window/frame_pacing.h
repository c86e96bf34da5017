#pragma once

// Frames no faster than the display shows them: startPacing and waitForFrameSlot are declared
// in window/window.h. The arithmetic is here, apart from the clock and the driver.

// The least time between two frames, in milliseconds, from the pace asked for (fps, null for
// none) and the display's refresh rate in hertz: 1000 / N for a whole number N from 1 up; 0, no
// pace, for "0"; otherwise 1000 / the refresh rate, 60 where that is unknown or 0.
double framePeriodMs(const char* fps, int refreshHz);

// When the next frame may start, on a steady millisecond clock.
struct FramePace {
  double periodMs;  // 0: no pace
  double dueMs;     // the next frame's start; 0 before the first
};

// How long to wait at nowMs before the next frame starts, and the due time after it. Frames
// start a period apart; a frame asked for late starts at once and the schedule moves on from
// there, so lateness never piles up into a burst. Never more than one period.
double waitBeforeFrame(FramePace& pace, double nowMs);
