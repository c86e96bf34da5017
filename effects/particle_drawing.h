#pragma once

#include <GL/gl.h>

#include "effects/particle_system.h"

// What ParticleSystem::draw computes for each particle, without a context.

// Red, green and blue already multiplied by alpha.
struct Rgba {
  float r, g, b, a;
};

// The colour of a particle at time: alpha eases from alphaStart to alphaEnd (cosineBlend) and
// the colour runs straight from colorStart to colorEnd (linearBlend) over its life, both scaled
// by brightness. A particle that never dies keeps its starting colour.
Rgba particleColor(const ParticleSystem& system, const Particle& particle, float brightness,
                   float time);

// The point size of a point particle: sizeScale * size held between 1 and 4 (a value that is
// not a number counts as 1), whole pixels only.
int particlePointSize(float sizeScale, float size);
