// The four particle effects in whole frames, and what a frame costs the heap.

#include "effects/particle_effects.h"

#include <gtest/gtest.h>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "controls/reset.h"
#include "frame/frame.h"
#include "gl_context.h"
#include "tests/gl/allocation_count.h"

namespace {

using gltest::allocations;

void runFrames(int fromMs, int toMs, int stepMs) {
  for (elapsedMs = fromMs; elapsedMs <= toMs; elapsedMs += stepMs) frame();
}

int alive(const ParticleSystem& s) {
  int count = 0;
  for (const Particle& p : s.particles) count += p.alive;
  return count;
}

}  // namespace

TEST(ParticleEffects, AfterAResetTheFirstFrameFillsTheStillOnesAndStartsTheOthersAgain) {
  gltest::startProgram();
  runFrames(1000, 3000, 40);
  EXPECT_GT(alive(fountain), 40);
  EXPECT_GT(alive(smoke), 9);
  const float moteX = motes.particles[0].position.x;

  reset();
  runFrames(3200, 3200, 1);
  EXPECT_EQ(alive(groundGlows), 500);
  EXPECT_EQ(alive(motes), 500);
  EXPECT_EQ(alive(fountain), 1);
  EXPECT_EQ(alive(smoke), 1);
  EXPECT_NE(motes.particles[0].position.x, moteX);  // placed anew
}

TEST(ParticleEffects, AFrameAllocatesNothing) {
  gltest::startProgram();
  // The driver compiles what each new combination of state needs during the first frames.
  runFrames(1000, 3000, 20);
  reset();  // the next frame fills the still systems again
  gltest::startCounting();
  runFrames(3020, 5000, 20);
  gltest::stopCounting();
  EXPECT_EQ(allocations, 0);
}
