#pragma once

// The seed of the first track and scene-clock offset of a launch.
//
// The toolkit's millisecond count at start-up is only a few tens of milliseconds, so seeding
// from it alone shows the same few tracks launch after launch. The start-up seed mixes in the
// wall clock instead; GYROTRAK_SEED (a decimal number) fixes it, for tests and screenshots.
// Every later reset seeds from elapsedMs as before.

// The seed named by text, when it is a whole number (base/number_text.h) from 0 to 4294967295.
bool parseSeed(const char* text, unsigned int& seed);

// fixedSeed when it parses, otherwise a mix of the wall clock (nanoseconds) and elapsedMs.
unsigned int startupSeed(const char* fixedSeed, long long wallClockNs, int elapsedMs);

// startupSeed from the environment and the real wall clock.
unsigned int launchSeed(int elapsedMs);
