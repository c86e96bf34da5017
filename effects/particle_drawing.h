#pragma once

#include <GL/gl.h>

#include "effects/particle_system.h"

// What ParticleSystem::draw computes for each particle, without a context.

// The blend factors a system's blendSource (0..8) and blendDest (0..7) name. An index outside
// its table gives the default of the settings (GL_SRC_ALPHA, GL_ONE).
GLenum particleSourceFactor(int index);
GLenum particleDestFactor(int index);

// Red, green and blue already multiplied by alpha.
struct Rgba {
  float r, g, b, a;
};

// The colour of a particle at time: alpha eases from alphaStart to alphaEnd (cosineBlend) and
// the colour runs straight from colorStart to colorEnd (linearBlend) over its life, both scaled
// by brightness. A particle that never dies keeps its starting colour.
Rgba particleColor(const ParticleSystem& system, const Particle& particle, float brightness,
                   float time);

// A sprite's corners in world coordinates, counter-clockwise from the bottom-left, the order of
// its texture corners (s0, t0), (s1, t0), (s1, t1), (s0, t1).
struct SpriteCorners {
  Vector3 corners[4];
};

// Around at along right and up, the half-width vectors in world coordinates.
SpriteCorners facingCorners(const Vector3& at, const Vector3& right, const Vector3& up);

// A square of half-width half around at, turned as glRotatef turns it: by heading about y, then
// pitch about x, then roll about z (degrees), the last applied first.
SpriteCorners turnedCorners(const Vector3& at, float half, float heading, float pitch, float roll);

// The point size of a point particle: sizeScale * size held between 1 and 4 (a value that is
// not a number counts as 1), whole pixels only.
int particlePointSize(float sizeScale, float size);
