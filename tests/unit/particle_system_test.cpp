// Particle emission, motion and colour without a context.

#include "effects/particle_system.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <set>

#include "app/parameters.h"
#include "app/random.h"
#include "effects/particle_drawing.h"

namespace {

Parameters speeds(float mainSpeed, float objectSize) {
  Parameters p;
  resetParameters(p);
  p.mainSpeed = mainSpeed;
  p.objectSize = objectSize;
  return p;
}

}  // namespace

TEST(ParticleSystem, FillsEverySlotOnceThenRefusesWithoutChangingAnything) {
  static ParticleSystem s;
  s.emitInterval = 0;
  ParticleSystem::searchCursor = 123;
  std::set<int> slots;
  for (int i = 0; i < 500; ++i) slots.insert(s.emit(0, 0, 0, 2, 1));
  EXPECT_EQ(slots.size(), 500u);
  EXPECT_EQ(*slots.begin(), 0);
  EXPECT_EQ(ParticleSystem::searchCursor, 123);

  seedRandom(7);
  const int next = nextRandom();
  seedRandom(7);
  EXPECT_EQ(s.emit(0, 0, 0, 3, 1), -1);
  EXPECT_EQ(ParticleSystem::searchCursor, 123);
  EXPECT_EQ(s.lastEmitTime, 2);
  EXPECT_EQ(nextRandom(), next);  // a refused emission draws nothing

  s.seeded = 1;
  s.startSize = 0.7f;
  s.clear();
  for (const Particle& p : s.particles) ASSERT_EQ(p.alive, 0);
  EXPECT_EQ(s.seeded, 0);
  EXPECT_EQ(s.startSize, 0.7f);
  EXPECT_EQ(s.lastEmitTime, 2);
}

TEST(ParticleSystem, EmitsOnceTheIntervalHasPassedAndDrawsItsNumbersInOrder) {
  static ParticleSystem first;
  first.emitInterval = 1.0f / 30;
  EXPECT_EQ(first.emit(0, 0, 0, 0.033f, 1), -1);
  EXPECT_GE(first.emit(0, 0, 0, 1.0f / 30, 1), 0);

  static ParticleSystem s;
  s.emitInterval = 0.25f;
  s.lastEmitTime = 5;
  EXPECT_EQ(s.emit(0, 0, 0, 5.125f, 1), -1);
  s.spread = 0.1f;
  s.baseVelocity = {0, 0.4f, 0};
  s.spinning = 1;
  s.spinFactor = 2;
  s.lifeSpan = 5;
  seedRandom(11);
  const Particle& p = s.particles[s.emit(1, 2, 3, 5.25f, 2)];
  // Velocity x, y, z, roll, roll rate, life.
  seedRandom(11);
  double draw[6];
  for (double& d : draw) d = nextRandom() / 32768.0;
  EXPECT_NEAR(p.velocity.x, draw[0] * 0.1 - 0.05, 1e-6);
  EXPECT_NEAR(p.velocity.y, draw[1] * 0.1 - 0.05 + 0.4, 1e-6);
  EXPECT_NEAR(p.velocity.z, draw[2] * 0.1 - 0.05, 1e-6);
  EXPECT_NEAR(p.roll, draw[3] * 360, 1e-4);
  EXPECT_NEAR(p.rollRate, (draw[4] * 200 - 100) * 2, 1e-4);
  EXPECT_NEAR(p.life, (draw[5] * 0.5 + 0.5) * 2.5, 1e-6);  // the main speed halves it
  EXPECT_FLOAT_EQ(p.deathTime, 5.25f + p.life);
  EXPECT_EQ(p.position.z, 3);
  EXPECT_EQ(s.lastEmitTime, 5.25f);
}

TEST(ParticleSystem, UpdateSharesItsStepAndScalesMotionSizeAndAngles) {
  static ParticleSystem a, b;
  const Particle* particle[2];
  int i = 0;
  for (ParticleSystem* s : {&a, &b}) {
    s->emitInterval = 0;
    s->lifeSpan = -1;
    s->baseVelocity = {1, 0, 0};
    s->drift = {0, 0, 2};
    s->growthRate = 1;
    s->emitPitchRate = 10;
    particle[i++] = &s->particles[s->emit(0, 0.5f, 0, 0, 1)];
  }
  ParticleSystem::lastUpdateTime = 7;
  const Parameters p = speeds(2, 3);  // motion x 6, growth x 2
  a.update(10, p);                    // a gap of 3 s counts as 0.05 s
  b.update(10, p);                    // the same time again: the floor of 0.005 s
  EXPECT_FLOAT_EQ(particle[0]->position.x, 0.3f);
  EXPECT_FLOAT_EQ(particle[0]->position.z, 0.6f);
  EXPECT_FLOAT_EQ(particle[0]->size, 0.1f + 0.1f);
  EXPECT_FLOAT_EQ(particle[0]->pitch, 0.5f);
  EXPECT_FLOAT_EQ(particle[1]->position.x, 0.03f);
  EXPECT_FLOAT_EQ(particle[1]->pitch, 0.05f);
  EXPECT_EQ(ParticleSystem::lastUpdateTime, 10);
}

TEST(ParticleSystem, DiesStrictlyAfterItsDeathTimeAndBouncesOffTheGround) {
  static ParticleSystem s;
  s.bounce = 1;
  s.gravity = -0.004f;
  s.drag = 0.5f;
  Particle& p = s.particles[0];
  p = Particle{};
  p.alive = 1;
  p.life = 2;
  p.birthTime = 10;
  p.deathTime = 12;
  p.position = {0, 0.001f, 0};
  p.velocity = {1, -1, 0};
  ParticleSystem::lastUpdateTime = 12;
  s.update(12, speeds(1, 1));  // step 0.005: y goes to -0.004
  ASSERT_EQ(p.alive, 1);
  EXPECT_EQ(p.position.y, 0);
  EXPECT_FLOAT_EQ(p.velocity.y, (-0.5f - 0.004f) * -0.5f);  // after drag and gravity
  EXPECT_FLOAT_EQ(p.velocity.x, 0.5f);
  s.update(12.001f, speeds(1, 1));
  EXPECT_EQ(p.alive, 0);
}

TEST(ParticleSystem, ExtremeSpeedsAndSizesKeepEveryLiveValueFinite) {
  static ParticleSystem s;
  s.emitInterval = 0;
  s.lifeSpan = 5;
  for (float speed : {0.0f, INFINITY, NAN}) {
    const Particle& p = s.particles[s.emit(0, 0, 0, 1, speed)];
    EXPECT_EQ(p.life, 0) << speed;  // never dies
    const Rgba c = particleColor(s, p, 1, 1000);
    EXPECT_EQ(c.a, 1);
    EXPECT_EQ(c.r, 1);
    s.update(1000, speeds(1, 1));
    EXPECT_EQ(p.alive, 1);
  }

  // A step beyond the float range: what moves or grows leaves, what rests stays.
  s.clear();
  s.baseVelocity = {0, 0.3f, 0};
  const int moving = s.emit(0, 0, 0, 2000, 1);
  s.baseVelocity = {0, 0, 0};
  const int resting = s.emit(0.5f, 0.5f, 0.5f, 2000, 1);
  s.update(2000, speeds(FLT_MAX, FLT_MAX));
  EXPECT_EQ(s.particles[moving].alive, 0);
  ASSERT_EQ(s.particles[resting].alive, 1);
  EXPECT_EQ(s.particles[resting].position.y, 0.5f);
  s.growthRate = 1;
  s.update(2000, speeds(INFINITY, 1));
  EXPECT_EQ(s.particles[resting].alive, 0);
}

TEST(ParticleDrawing, ColourFollowsTheAgeAndPointsHoldOneToFourPixels) {
  static ParticleSystem s;
  s.colorStart = {1, 1, 1};
  s.colorEnd = {0, 0, 1};
  Particle p{};
  p.life = 2;
  p.birthTime = 4;
  const Rgba half = particleColor(s, p, 1, 5);
  EXPECT_NEAR(half.r, 0.25f, 1e-6);
  EXPECT_NEAR(half.g, 0.25f, 1e-6);
  EXPECT_NEAR(half.b, 0.5f, 1e-6);
  EXPECT_NEAR(half.a, 0.5f, 1e-6);
  EXPECT_NEAR(particleColor(s, p, 1, 6).a, 0, 1e-6);
  EXPECT_EQ(particleColor(s, p, 0.5f, 4).r, 0.5f);  // brightness scales alpha, and so colour

  s.colorStart = {0, 1, 0};
  p.life = -1;
  const Rgba still = particleColor(s, p, 1, 1000);
  EXPECT_EQ(still.g, 1);
  EXPECT_EQ(still.b, 0);
  EXPECT_EQ(still.a, 1);

  EXPECT_EQ(particlePointSize(0.4f, 2), 1);
  EXPECT_EQ(particlePointSize(1, 2), 2);
  EXPECT_EQ(particlePointSize(1.6f, 2), 3);
  EXPECT_EQ(particlePointSize(2, 2), 4);
  EXPECT_EQ(particlePointSize(3, 2), 4);
  EXPECT_EQ(particlePointSize(1, 3.9f), 3);
  EXPECT_EQ(particlePointSize(INFINITY, 0), 1);  // not a number
}
