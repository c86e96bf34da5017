// The four particle effects in whole frames, and what a frame costs the heap.

#include "effects/particle_effects.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "app/frame.h"
#include "app/frame_clock.h"
#include "app/parameters.h"
#include "gl_context.h"

namespace {

// operator new calls made on this thread while `counting` is set.
thread_local bool counting = false;
int allocations = 0;

void runFrameAt(int ms) {
  elapsedMs = ms;
  frame();
}

int alive(const ParticleSystem& s) {
  int count = 0;
  for (const Particle& p : s.particles) count += p.alive;
  return count;
}

}  // namespace

// The whole test program's allocations go through here; only the count is added.
void* operator new(std::size_t size) {
  if (counting) ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

TEST(ParticleEffects, AfterAResetTheFirstFrameFillsTheStillOnesAndStartsTheFountainAgain) {
  gltest::startProgram();
  for (int ms = 1000; ms <= 3000; ms += 40) runFrameAt(ms);
  EXPECT_GT(alive(fountain), 40);
  EXPECT_GT(alive(smoke), 9);
  const Particle mote = motes.particles[0];

  reset();
  runFrameAt(3200);
  EXPECT_EQ(alive(groundGlows), 500);
  EXPECT_EQ(alive(motes), 500);
  EXPECT_EQ(alive(fountain), 1);
  EXPECT_EQ(alive(smoke), 1);
  EXPECT_NE(motes.particles[0].position.x, mote.position.x);  // placed anew
  for (const Particle& p : groundGlows.particles) {
    ASSERT_EQ(p.position.y, 0);
    ASSERT_LE(std::abs(p.position.x), 0.8f);
    ASSERT_LE(std::abs(p.position.z), 0.8f);
  }
  for (const Particle& p : motes.particles) {
    ASSERT_GT(p.position.y, 0.32f);
    ASSERT_LE(p.position.y, 0.8f);
    ASSERT_LE(std::abs(p.position.z), 1);
  }
}

TEST(ParticleEffects, AFrameAllocatesNothing) {
  gltest::startProgram();
  params.fpsClockOn = 1;
  params.spotlightsOn = 1;
  // The driver compiles what it needs for each new combination of state in the first frames.
  for (int ms = 1000; ms <= 3000; ms += 20) runFrameAt(ms);
  reset();  // the next frame fills the still systems again
  params.fpsClockOn = 1;
  params.spotlightsOn = 1;
  counting = true;
  for (int ms = 3020; ms <= 5000; ms += 20) runFrameAt(ms);
  counting = false;
  EXPECT_EQ(allocations, 0);
}
