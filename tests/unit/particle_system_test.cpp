// Particle emission, motion and colour without a context.

#include "effects/particle_system.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <set>

#include "base/parameters.h"
#include "base/random.h"
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
  static ParticleSystem s;
  s.emitInterval = 1.0f / 30;
  EXPECT_EQ(s.emit(0, 0, 0, 0.033f, 1), -1);  // the last emission counts as time 0
  EXPECT_GE(s.emit(0, 0, 0, 1.0f / 30, 1), 0);
  s.emitInterval = 0.25f;
  s.lastEmitTime = 5;
  EXPECT_EQ(s.emit(0, 0, 0, 5.125f, 1), -1);
  s.spread = 0.1f;
  s.spinning = 1;
  s.lifeSpan = 5;
  seedRandom(11);
  const Particle& p = s.particles[s.emit(0, 0, 0, 5.25f, 2)];
  seedRandom(11);
  double d[6];
  for (double& x : d) x = nextRandom() / 32768.0;
  // Velocity x, y, z, roll, roll rate, then the life, which the main speed 2 halves.
  EXPECT_NEAR(p.velocity.x, d[0] * 0.1 - 0.05, 1e-6);
  EXPECT_NEAR(p.velocity.z, d[2] * 0.1 - 0.05, 1e-6);
  EXPECT_NEAR(p.roll, d[3] * 360, 1e-4);
  EXPECT_NEAR(p.rollRate, d[4] * 200 - 100, 1e-4);
  EXPECT_NEAR(p.life, (d[5] * 0.5 + 0.5) * 2.5, 1e-6);
}

TEST(ParticleSystem, UpdateSharesItsStepAndScalesMotionSizeAndAngles) {
  static ParticleSystem a, b;
  const Particle* p[2];
  for (ParticleSystem* s : {&a, &b}) {
    s->emitInterval = 0;
    s->lifeSpan = -1;
    s->baseVelocity = {1, 0, 0};
    s->growthRate = 1;
    s->emitPitchRate = 10;
    p[s == &b] = &s->particles[s->emit(0, 0.5f, 0, 0, 1)];
  }
  ParticleSystem::lastUpdateTime = 7;
  a.update(10, speeds(2, 3));  // a gap of 3 s counts as 0.05 s
  b.update(10, speeds(2, 3));  // the same time again: the floor of 0.005 s
  EXPECT_FLOAT_EQ(p[0]->position.x, 0.05f * 2 * 3);
  EXPECT_FLOAT_EQ(p[0]->size, 0.1f + 0.05f * 2);  // not scaled by the object size
  EXPECT_FLOAT_EQ(p[0]->pitch, 0.05f * 10);       // by neither
  EXPECT_FLOAT_EQ(p[1]->position.x, 0.005f * 2 * 3);
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
  p.deathTime = 12;
  p.position = {0, 0.001f, 0};
  p.velocity = {1, -1, 0};
  ParticleSystem::lastUpdateTime = 12;
  s.update(12, speeds(1, 1));  // step 0.005: y goes to -0.004
  ASSERT_EQ(p.alive, 1);
  EXPECT_EQ(p.position.y, 0);
  EXPECT_FLOAT_EQ(p.velocity.y, (-0.5f - 0.004f) * -0.5f);  // after drag and gravity
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
    EXPECT_EQ(particleColor(s, p, 1, 1000).a, 1);
    s.update(1000, speeds(1, 1));
    EXPECT_EQ(p.alive, 1);
  }

  // A step beyond the float range: what moves or grows leaves, what rests stays.
  s.clear();
  s.baseVelocity = {0, 0.3f, 0};
  const int moving = s.emit(0, 0, 0, 2000, 1);
  s.baseVelocity = {0, 0, 0};
  const Particle& resting = s.particles[s.emit(0.5f, 0.5f, 0.5f, 2000, 1)];
  s.update(2000, speeds(FLT_MAX, FLT_MAX));
  EXPECT_EQ(s.particles[moving].alive, 0);
  ASSERT_EQ(resting.alive, 1);
  EXPECT_EQ(resting.position.y, 0.5f);
  s.growthRate = 1;
  s.update(2000, speeds(INFINITY, 1));
  EXPECT_EQ(resting.alive, 0);
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
  EXPECT_NEAR(half.b, 0.5f, 1e-6);
  EXPECT_NEAR(half.a, 0.5f, 1e-6);
  EXPECT_EQ(particleColor(s, p, 0.5f, 4).r, 0.5f);  // brightness scales alpha, and so colour
  p.life = -1;
  EXPECT_EQ(particleColor(s, p, 1, 1000).b, 1);  // never dies, keeps its starting colour

  const float scales[] = {0.4f, 1, 1.6f, 2, 3};
  const int pixels[] = {1, 2, 3, 4, 4};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(particlePointSize(scales[i], 2), pixels[i]) << i;
  EXPECT_EQ(particlePointSize(1, 3.9f), 3);
  EXPECT_EQ(particlePointSize(INFINITY, 0), 1);  // not a number
}
