#pragma once

// The frame's clock values. elapsedMs is written by start-up and by the display callback
// right before every frame (tests set it directly); the rest only by advanceFrameClock.
extern int elapsedMs;           // milliseconds since the toolkit started; wraps after 24.8 days
extern long long runningMs;     // elapsedMs unwrapped: milliseconds since start, never wrapping
extern long long clockEpochMs;  // runningMs at which elapsedTime is 0
extern float elapsedTime;       // seconds since the clock's epoch
extern double previousTime;     // seconds since start at the previous frame, unrounded
extern float frameDelta;        // seconds since the previous frame, clamped
extern int frameCount;          // frames since the last once-a-second update
extern int framesPerSecond;     // frames counted in the last whole second; 30 until then
extern double nextSecondTime;   // elapsedTime at which the next update is due

// The running count after the toolkit reports ms. The toolkit's 32-bit count wraps to
// negative after 2^31 ms; the difference of two counts taken unsigned is exact across the
// wrap, so the running count goes on from where it was. A count that went backwards (only a
// test's clock does) is followed back.
long long unwrapMilliseconds(long long running, int ms);

// Seconds from previousTime to runningMs; a gap above 0.1 s (start-up, a stalled window)
// counts as an ordinary 0.05 s step, so motion never jumps, and so does a step back in time.
float clampedFrameDelta(long long runningMs, double previousTime);

// Counts one frame at time now; at most one once-a-second update per frame, and the due
// time advances by exactly one second, so after a stall it catches up one frame at a time.
void countFrame(float now, int& count, int& perSecond, double& nextSecond);

// The epoch elapsedTime counts from after runningMs ms: the start for the first 2048 s, then
// moved on in whole steps of 1024 s so that elapsedTime stays within [1024, 2048). A float of
// seconds then never coarsens beyond the 0.12 ms it has at 34 minutes, however long the program
// runs, while the first 34 minutes count from the start exactly as they always did.
long long clockEpochFor(long long runningMs);

// runningMs, elapsedTime, frameDelta and previousTime from elapsedMs. elapsedTime counts from
// clockEpochMs; frameDelta and previousTime from the start.
void advanceFrameClock();
