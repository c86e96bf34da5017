// The running program past the toolkit's 32-bit millisecond wrap (24.8 days).
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/program_exit.h"
#include "base/random.h"
#include "base/scene_clock.h"
#include "controls/keyboard.h"
#include "controls/reset.h"
#include "effects/particle_effects.h"
#include "frame/frame.h"
#include "frame/ride_step.h"
#include "ride/track.h"
#include "tests/gl/gl_context.h"
#include "text/text_overlay.h"

namespace {

// How far round the track the ride is, in points.
double rideProgress() {
  return track.segment + static_cast<double>(track.fraction);
}

int litPixels() {
  const int width = glutGet(GLUT_WINDOW_WIDTH), height = glutGet(GLUT_WINDOW_HEIGHT);
  std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  int lit = 0;
  for (size_t i = 0; i < pixels.size(); i += 4)
    lit += pixels[i] + pixels[i + 1] + pixels[i + 2] > 30;
  return lit;
}

// The toolkit's 32-bit millisecond count after ms milliseconds, wrapped as it wraps.
int toolkitCount(long long ms) {
  return static_cast<int>(static_cast<std::uint32_t>(ms));
}

int liveParticles(const ParticleSystem& system) {
  int count = 0;
  for (const Particle& p : system.particles) count += p.alive;
  return count;
}

struct Effects {
  int fountainLive;
  double smokeHeight;  // mean over the live puffs
};

// 400 frames of 16 ms from a reset at startMs. Each frame starts from the same seed at every
// start, one whose first draw does not call for the frame's occasional reseed from the clock,
// so the draws are the same whatever the clock reads.
Effects effectsAfter400Frames(long long startMs) {
  elapsedMs = toolkitCount(startMs);
  reset();
  for (int f = 0; f < 400; ++f) {
    unsigned int seed = f + 1;
    for (seedRandom(seed); random(1) < 0.01; seedRandom(seed)) ++seed;
    seedRandom(seed);
    elapsedMs = toolkitCount(startMs + 16LL * f);
    frame();
  }
  Effects e{liveParticles(fountain), 0};
  int puffs = 0;
  for (const Particle& p : smoke.particles) {
    if (!p.alive) continue;
    e.smokeHeight += p.position.y;
    ++puffs;
  }
  e.smokeHeight /= puffs;
  return e;
}

long long firstExitMs = -1;
void recordExit(int) {
  if (firstExitMs < 0) firstExitMs = runningMs;
}

}  // namespace

// A float of seconds since the start steps by 8 ms after a day and by 250 ms after 24 days;
// the effects must still move, live and emit as they do in the first hour.
TEST(LongRun, EffectsAfterDaysMoveAsInTheFirstHour) {
  gltest::startProgram();
  const Effects first = effectsAfter400Frames(60000);
  for (long long days : {1, 10, 30}) {
    const Effects later = effectsAfter400Frames(days * 86400000 + 60000);
    EXPECT_NEAR(later.fountainLive, first.fountainLive, first.fountainLive * 0.02) << days;
    EXPECT_NEAR(later.smokeHeight, first.smokeHeight, first.smokeHeight * 0.02) << days;
    EXPECT_GE(elapsedTime, 1024);  // the clock's epoch moved on; never the start-up's fades
    EXPECT_LT(elapsedTime, 2048);
  }
}

TEST(LongRun, RideMovesOnAndThePictureStaysThroughTheMillisecondWrap) {
  gltest::startProgram();
  params.fullBlanking = 1;  // each picture on its own
  const long long start = (1LL << 31) - 1000;
  elapsedMs = static_cast<int>(start);
  frame();

  double progress = rideProgress();
  double clock = sceneClock;
  for (long long ms = start + 16; ms < start + 2000; ms += 16) {
    elapsedMs = static_cast<int>(static_cast<std::uint32_t>(ms));
    frame();
    ASSERT_NEAR(frameDelta, 0.016f, 1e-6f) << ms;
    // Forward by a few points at most, round the closed track.
    double step = rideProgress() - progress;
    if (step < 0) step += track.pointCount;
    ASSERT_GT(step, 0) << ms;
    ASSERT_LT(step, 1) << ms;
    ASSERT_GT(sceneClock, clock);
    progress = rideProgress();
    clock = sceneClock;
  }
  EXPECT_LT(elapsedMs, 0);      // the toolkit's count has wrapped
  EXPECT_GT(litPixels(), 500);  // the scene is drawn, not the start-up's fade from black
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Every time kept against the clock keeps its distance when the clock's epoch moves on.
TEST(LongRun, TheMessageTheExitTheTrackAndTheFrameCountKeepTimeAcrossAnEpochMove) {
  gltest::startProgram();
  setExitFunction(recordExit);
  const long long move = 2531 * 1024000LL;        // 29.3 days
  for (long long ms : {move / 2, move - 3016}) {  // the toolkit's count moves on by < 2^31
    elapsedMs = toolkitCount(ms);
    frame();
  }
  trackStartTime = elapsedTime - 116;  // the next track 4 s from now
  nextSecondTime = elapsedTime + 1;    // the frame-rate count caught up with the clock
  long long messageGone = -1, trackChanged = -1;

  for (long long ms = move - 3000; ms <= move + 3000; ms += 16) {
    if (ms == move - 2504) textOverlay.setMessage("Three seconds");
    if (ms == move - 1512) requestExit();
    elapsedMs = toolkitCount(ms);
    frame();
    if (ms <= move - 2504) continue;
    if (messageGone < 0 && textOverlay.messageExpiry == 0) messageGone = ms;
    if (trackChanged < 0 && std::string(textOverlay.messageText).rfind("New Track", 0) == 0)
      trackChanged = ms;
  }
  setExitFunction(nullptr);
  EXPECT_EQ(clockEpochMs, move - 1024000);
  EXPECT_NEAR(messageGone, move + 496, 16);
  EXPECT_NEAR(firstExitMs, move + 488, 16);
  EXPECT_NEAR(trackChanged, move + 1000, 16);
  EXPECT_LE(frameCount, 63);                      // the once-a-second update goes on
  for (const Particle& p : fountain.particles) {  // and the fountain's particles still age
    if (!p.alive) continue;
    EXPECT_GE(elapsedTime - p.birthTime, 0);
    EXPECT_LE(elapsedTime - p.birthTime, fountain.lifeSpan);
  }
}
