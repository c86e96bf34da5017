#pragma once

// The one random sequence every part of the program draws from.
// A small linear congruential generator with srand/rand semantics and a 15-bit output
// (0..32767), so the same seed gives the same sequence, and so the same track, everywhere.

// Restarts the sequence; the program seeds it with elapsedMs.
void seedRandom(unsigned int seed);

// The next value of the sequence, 0..32767.
int nextRandom();

// A uniform value in [0, x): nextRandom() / 32768 * x. Every call advances the sequence.
double random(double x);
