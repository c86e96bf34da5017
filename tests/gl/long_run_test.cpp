// The running program past the toolkit's 32-bit millisecond wrap (24.8 days).
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/frame.h"
#include "app/frame_clock.h"
#include "app/parameters.h"
#include "app/scene_clock.h"
#include "ride/track.h"
#include "tests/gl/gl_context.h"

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

}  // namespace

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
