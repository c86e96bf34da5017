#include "app/frame.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/frame_clock.h"
#include "app/parameters.h"
#include "app/program_exit.h"
#include "app/scene_clock.h"

namespace {

int exitCalls = 0;
int exitStatus = -1;
void recordExit(int status) {
  ++exitCalls;
  exitStatus = status;
}

void runFrameAt(int ms) {
  elapsedMs = ms;
  frame();
}

}  // namespace

TEST(Frame, DerivesItsClockFromElapsedMsOnly) {
  reset();
  runFrameAt(700);  // the first frame: start-up took longer than a tenth of a second
  EXPECT_FLOAT_EQ(elapsedTime, 0.7f);
  EXPECT_FLOAT_EQ(frameDelta, 0.05f);
  runFrameAt(716);
  EXPECT_NEAR(frameDelta, 0.016f, 1e-6);
  runFrameAt(816);
  EXPECT_NEAR(frameDelta, 0.1f, 1e-6);
  runFrameAt(3000);  // a stall
  EXPECT_FLOAT_EQ(frameDelta, 0.05f);
}

TEST(Frame, SceneClockRunsWhilePaused) {
  reset();
  paused = 1;
  runFrameAt(1000);
  sceneClock = 100;
  runFrameAt(1020);
  runFrameAt(1040);
  EXPECT_NEAR(sceneClock, 100.04, 1e-6);
}

TEST(Frame, ClearsTheColourBufferOnceWhenAsked) {
  reset();
  params.blankIntensity = 1;  // pile-up mode: nothing else touches the previous picture
  glClearColor(0, 0, 0, 1);
  forceClear = 1;
  runFrameAt(5000);
  EXPECT_EQ(forceClear, 0);
}

TEST(Frame, EndsTheProgramThroughTheReplaceableExit) {
  setExitFunction(recordExit);
  reset();
  runFrameAt(29000);
  exiting = 1;
  exitStartTime = 30;
  for (int ms = 30000; ms <= 32000; ms += 20) runFrameAt(ms);
  EXPECT_EQ(exitCalls, 0);
  runFrameAt(32020);
  EXPECT_EQ(exitCalls, 1);
  EXPECT_EQ(exitStatus, 0);
  setExitFunction(nullptr);
}
