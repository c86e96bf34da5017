#include "effects/particle_system.h"

#include <cmath>

#include "base/parameters.h"
#include "base/random.h"

int ParticleSystem::searchCursor = 0;
float ParticleSystem::lastUpdateTime = 0;

namespace {

// coordinate += rate * step, except that a coordinate at rest stays put: once the step has
// overflowed to infinity, 0 * step would be NaN. For a finite step the sum is the same.
void advance(float& coordinate, float rate, float step) {
  if (rate != 0) coordinate += rate * step;
}

bool isFinite(const Vector3& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

}  // namespace

ParticleSystem::ParticleSystem() {
  capacity = poolSize;
  clear();
  alphaTest = 1;
  blend = 1;
  depthTest = 1;
  depthWrite = 0;
  texture = -1;
  blendSource = 2;  // GL_SRC_ALPHA
  blendDest = 1;    // GL_ONE: additive
  bounce = 0;
  spinning = 0;
  spinFactor = 1;
  drawOffset = {0, 0, 0};
  baseVelocity = {0, 0, 0};
  drift = {0, 0, 0};
  startSize = 0.1f;
  growthRate = 0;
  texS0 = 0;
  texS1 = 1;
  texT0 = 0;
  texT1 = 1;
  spread = 0;
  gravity = 0;
  drag = 1;
  emitPitchRate = 0;
  emitHeadingRate = 0;
  lifeSpan = 1;
  emitInterval = 0.1f;
  alphaStart = 1;
  alphaEnd = 0;
  colorStart = {1, 1, 1};
  colorEnd = {1, 0, 0};
}

void ParticleSystem::clear() {
  for (Particle& p : particles) p.alive = 0;
  seeded = 0;
}

int ParticleSystem::findFreeSlot() const {
  for (int visit = 0; visit < capacity; ++visit) {
    const int slot = (searchCursor + visit) % capacity;
    if (!particles[slot].alive) return slot;
  }
  return -1;
}

int ParticleSystem::emit(float x, float y, float z, float time, float speed) {
  // Equality passes: an emission exactly emitInterval after the last one is allowed.
  if (lastEmitTime + emitInterval > time) return -1;
  const int slot = findFreeSlot();
  if (slot < 0) return -1;
  searchCursor = (slot + 1) % capacity;
  lastEmitTime = time;
  fill(particles[slot], x, y, z, time, speed);
  return slot;
}

void ParticleSystem::fill(Particle& p, float x, float y, float z, float time, float speed) {
  p.alive = 1;
  p.position = {x, y, z};

  // Three draws, x then y then z, also when spread is 0.
  const float half = spread * 0.5f;
  p.velocity.x = static_cast<float>(random(spread) - half + baseVelocity.x);
  p.velocity.y = static_cast<float>(random(spread) - half + baseVelocity.y);
  p.velocity.z = static_cast<float>(random(spread) - half + baseVelocity.z);

  p.pitch = 0;
  p.pitchRate = emitPitchRate;
  p.heading = 0;
  p.headingRate = emitHeadingRate;
  if (spinning) {
    p.roll = static_cast<float>(random(360));
    p.rollRate = static_cast<float>((random(200) - 100) * spinFactor);
  } else {
    p.roll = 0;
    p.rollRate = 0;
  }

  p.size = startSize;
  p.birthTime = time;
  // Half to all of the nominal life, shortened as the main speed grows.
  p.life = static_cast<float>((random(0.5) + 0.5) * (lifeSpan / speed));
  if (!std::isfinite(p.life)) p.life = 0;
  p.deathTime = time + p.life;
}

void ParticleSystem::update(float time, const Parameters& parameters) {
  // The step is shared: only the first system updated with a new time gets the true gap; the
  // others get the floor of 0.005 s.
  float dt = time - lastUpdateTime;
  if (dt > 0.1f) {
    dt = 0.05f;
  } else if (dt < 0.005f) {
    dt = 0.005f;
  }
  lastUpdateTime = time;
  const float step = dt * parameters.mainSpeed * parameters.objectSize;

  for (Particle& p : particles) {
    if (!p.alive) continue;
    if (p.life > 0 && time > p.deathTime) {
      p.alive = 0;
      continue;
    }
    move(p, dt, step, parameters.mainSpeed);
    // Main speed and object size have no upper bound: past the float range a particle
    // would be drawn at infinity or NaN, so it goes instead.
    if (!isFinite(p.position) || !std::isfinite(p.size)) p.alive = 0;
  }
}

void ParticleSystem::shiftTimes(double seconds) {
  lastEmitTime = static_cast<float>(lastEmitTime - seconds);
  for (Particle& p : particles) {
    if (!p.alive) continue;
    p.birthTime = static_cast<float>(p.birthTime - seconds);
    p.deathTime = static_cast<float>(p.deathTime - seconds);
  }
}

void ParticleSystem::move(Particle& p, float dt, float step, float mainSpeed) {
  // Position with the step (main speed and object size), angles with dt alone, size with dt
  // and the main speed; drag and gravity once per call whatever the step.
  advance(p.position.x, p.velocity.x + drift.x, step);
  advance(p.position.y, p.velocity.y + drift.y, step);
  advance(p.position.z, p.velocity.z + drift.z, step);
  if (drag != 1) {
    p.velocity.x *= drag;
    p.velocity.y *= drag;
    p.velocity.z *= drag;
  }
  p.velocity.y += gravity;
  p.pitch += dt * p.pitchRate;
  p.heading += dt * p.headingRate;
  if (spinning) p.roll += dt * p.rollRate;
  advance(p.size, dt * growthRate, mainSpeed);
  if (bounce && p.position.y < 0) {
    p.position.y = 0;
    p.velocity.y *= -0.5f;
  }
}
