#pragma once

// Back to the defaults with a new random track: reseeds the random sequence, resets the block,
// the loose settings and the camera, builds a new track and makes its "New Track" line the
// message line.
void reset();

// The reset with the random sequence seeded from seed instead: start-up's first reset.
void resetWithSeed(unsigned int seed);
