#include "effects/particle_effects.h"

#include <cmath>

#include "base/random.h"
#include "textures/texture_table.h"

ParticleSystem fountain, groundGlows, smoke, motes;

namespace {

int tableTexture(int entry) {
  return static_cast<int>(textureTable[entry]);
}

// Points, no texture; a jet that falls back under gravity and bounces.
void setUpFountain(ParticleSystem& s) {
  s.texture = -1;
  s.bounce = 1;
  s.baseVelocity = {0, 0.4f, 0};
  s.spread = 0.1f;
  s.gravity = -0.004f;
  s.startSize = 2.0f;  // pixels
  s.lifeSpan = 5.0f;
  s.emitInterval = 1.0f / 30;
  s.colorStart = {1, 1, 1};
  s.colorEnd = {0, 0, 1};
}

void setUpGroundGlows(ParticleSystem& s) {
  s.texture = tableTexture(trackTextureEntry);
  s.depthTest = 0;
  s.startSize = 0.003f;
  s.lifeSpan = -1;  // never dies
  s.emitInterval = 0;
  s.colorStart = {0, 1, 0};
  s.colorEnd = {0, 1, 0};
}

void setUpSmoke(ParticleSystem& s) {
  s.texture = tableTexture(smokeTextureEntry);
  s.spinning = 1;
  s.baseVelocity = {0, 0.3f, 0};
  s.spread = 0.03f;
  s.startSize = 0;
  s.growthRate = 0.1f;
  s.lifeSpan = 2.0f;
  s.emitInterval = 0.1f;
  s.colorStart = {0.5f, 0.25f, 0.125f};
  s.colorEnd = {0.5f, 0.25f, 0.125f};
}

void setUpMotes(ParticleSystem& s) {
  s.texture = tableTexture(moteTextureEntry);
  s.depthTest = 0;
  s.startSize = 0.0025f;
  s.lifeSpan = -1;  // never dies
  s.emitInterval = 0;
  s.colorStart = {1, 1, 1};
  s.colorEnd = {1, 1, 1};
}

}  // namespace

void setUpParticleEffects() {
  setUpFountain(fountain);
  setUpGroundGlows(groundGlows);
  setUpSmoke(smoke);
  setUpMotes(motes);
}

void clearParticleEffects() {
  fountain.clear();
  groundGlows.clear();
  smoke.clear();
  motes.clear();
}

void seedGroundGlows(float time, float speed) {
  groundGlows.seeded = 1;
  for (int i = 0; i < ParticleSystem::poolSize; ++i) {
    const float z = static_cast<float>(random(1.6f) - 0.8f);
    const float x = static_cast<float>(random(1.6f) - 0.8f);
    groundGlows.emit(x, 0, z, time, speed);
  }
}

void seedMotes(float time, float speed) {
  motes.seeded = 1;
  for (int i = 0; i < ParticleSystem::poolSize; ++i) {
    const float z = static_cast<float>(random(2) - 1);
    // 0.48 is the single-precision 1.6 times the double 0.3: heights above 0.32 up to 0.8.
    const float y = static_cast<float>(std::fabs(random(1.6f * 0.3) - 0.8f));
    const float x = static_cast<float>(random(1.6f) - 0.8f);
    motes.emit(x, y, z, time, speed);
  }
}
