#pragma once

// The frame's clock values. elapsedMs is written by start-up and by the display callback
// right before every frame (tests set it directly); the rest only by advanceFrameClock.
extern int elapsedMs;          // milliseconds since the toolkit started
extern float elapsedTime;      // seconds since start
extern double previousTime;    // elapsedTime of the previous frame
extern float frameDelta;       // seconds since the previous frame, clamped
extern int frameCount;         // frames since the last once-a-second update
extern int framesPerSecond;    // frames counted in the last whole second; 30 until then
extern double nextSecondTime;  // elapsedTime at which the next update is due

// Seconds from previousTime to elapsedMs; a gap above 0.1 s (start-up, a stalled window)
// counts as an ordinary 0.05 s step, so motion never jumps.
float clampedFrameDelta(int elapsedMs, double previousTime);

// Counts one frame at time now; at most one once-a-second update per frame, and the due
// time advances by exactly one second, so after a stall it catches up one frame at a time.
void countFrame(float now, int& frameCount, int& framesPerSecond, double& nextSecondTime);

// elapsedTime, frameDelta and previousTime from elapsedMs.
void advanceFrameClock();
