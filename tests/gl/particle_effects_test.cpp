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

void runFrames(int fromMs, int toMs, int stepMs) {
  for (elapsedMs = fromMs; elapsedMs <= toMs; elapsedMs += stepMs) frame();
}

int alive(const ParticleSystem& s) {
  int count = 0;
  for (const Particle& p : s.particles) count += p.alive;
  return count;
}

}  // namespace

// Every allocation of the test program comes through here; only the count is added.
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
  counting = true;
  runFrames(3020, 5000, 20);
  counting = false;
  EXPECT_EQ(allocations, 0);
}
