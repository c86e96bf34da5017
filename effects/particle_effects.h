#pragma once

#include "effects/particle_system.h"

// The scene's four particle effects. Settings written once by setUpParticleEffects; pools
// filled and emptied by the scene (seeding, emission, update) and by reset() (clear).
extern ParticleSystem fountain;     // white points rising at (0.4, 0, 0.4), bouncing, turning blue
extern ParticleSystem groundGlows;  // 500 still green glows on the ground
extern ParticleSystem smoke;        // brown puffs rising, growing and spinning at (-0.4, 0, -0.4)
extern ParticleSystem motes;        // 500 still white motes in the air

// Writes the four systems' fixed settings; the sprite textures must exist (texture table
// entries 1, 3 and 4).
void setUpParticleEffects();

// Empties all four pools and lowers their seeded flags; the settings stay.
void clearParticleEffects();

// Fill the two still systems with 500 particles each at random places, drawing z before x for
// the glows (on the ground, x and z within 0.8 of the centre) and z, y, x for the motes (the
// box x -0.8..0.8, y 0.32..0.8, z -1..1); each raises the system's seeded flag first.
void seedGroundGlows(float time, float speed);
void seedMotes(float time, float speed);
