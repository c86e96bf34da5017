#include "frame/frame.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/startup.h"
#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/program_exit.h"
#include "base/random.h"
#include "base/scene_clock.h"
#include "controls/help_screen.h"
#include "controls/keyboard.h"
#include "controls/reset.h"
#include "effects/particle_effects.h"
#include "frame/ride_step.h"
#include "tests/gl/glyph_feedback.h"
#include "text/text_overlay.h"
#include "window/window.h"

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

void fillWhite() {
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(0, 0, 0, 1);
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

// Read in the bottom letterbox bar, which the scene never draws into.
TEST(Frame, ClearsTheColourBufferOnceWhenAsked) {
  reset();
  params.blankIntensity = 1;  // pile-up mode: nothing else touches the previous picture
  params.letterbox = 6;
  fillWhite();
  forceClear = 1;
  runFrameAt(5000);
  EXPECT_EQ(gltest::readPixel(900, 100)[0], 0);
  EXPECT_EQ(forceClear, 0);
  fillWhite();
  runFrameAt(5020);
  EXPECT_EQ(gltest::readPixel(900, 100)[0], 255);

  // A key withdraws only a clear a command asked for, never the one a resize needs.
  reshape(windowWidth, windowHeight - 1);
  keyboardCallback('x', 0, 0);
  runFrameAt(5040);
  EXPECT_EQ(gltest::readPixel(900, 100)[0], 0);
}

TEST(Frame, DrawsTheTextLayersOverTheSceneInTheirOrder) {
  reset();
  params.fpsClockOn = 1;
  helpShown = 1;
  runFrameAt(4980);
  textOverlay.postMessage("Pause");
  while (glGetError() != GL_NO_ERROR) {
  }
  glEnable(0x1234);  // not a capability: the error line shows GL_INVALID_ENUM
  elapsedMs = 5000;
  const auto quads = gltest::drawnQuads(frame);
  // Where each line starts among everything the frame drew.
  const auto startOf = [&](const std::string& text) {
    for (size_t i = 0; i + text.size() <= quads.size(); ++i) {
      if (gltest::textOf({quads.begin() + i, quads.begin() + i + text.size()}) == text) return i;
    }
    return quads.size();
  };
  // Without its last glyph, which crosses the window's right edge and comes back clipped.
  char frameRate[80];
  std::snprintf(frameRate, sizeof frameRate, "%3d Frame/Se", framesPerSecond);
  const size_t message = startOf("Pause"), rate = startOf(frameRate);
  const size_t help = startOf(" <PageUp/Down>  Adjust Main Speed");
  const std::string errorLine = "OpenGL Error: invalid enumerant";
  const size_t error = startOf(errorLine);
  EXPECT_LT(message, rate);
  EXPECT_LT(rate, help);
  EXPECT_LT(help, error);
  // The title glides across the window: it waits while the page is up, and comes last after.
  EXPECT_EQ(quads.size(), error + errorLine.size());
  helpShown = 0;
  elapsedMs = 5020;
  const auto withoutPage = gltest::drawnQuads(frame);
  ASSERT_GE(withoutPage.size(), 8u);
  EXPECT_EQ(gltest::textOf({withoutPage.end() - 8, withoutPage.end()}), "Gyrotrak");
}

// On average one frame in a hundred restarts the sequence from elapsedMs: frames whose first
// draw is below 0.01 leave the same sequence behind whatever came before, others do not.
TEST(Frame, ReseedsWhenItsFirstDrawIsBelowOneHundredth) {
  const auto firstDraw = [](unsigned seed) {
    seedRandom(seed);
    return nextRandom() / 32768.0;
  };
  // The same frame from the same state, but for the sequence: reset, and put back the clock,
  // the ride step's timers and the particle systems' emission times.
  const auto drawAfterFrame = [](unsigned seed) {
    elapsedMs = 5000;
    reset();
    previousTime = 0;
    trackStartTime = 0;
    flareTimer = 0;
    for (ParticleSystem* system : {&fountain, &groundGlows, &smoke, &motes})
      system->lastEmitTime = 0;
    seedRandom(seed);
    frame();
    return nextRandom();
  };
  std::vector<unsigned> below, above;
  for (unsigned seed = 0; below.size() < 2 || above.empty(); ++seed) {
    const double draw = firstDraw(seed);
    if (draw < 0.01) below.push_back(seed);
    if (draw >= 0.01 && draw < 0.02 && above.empty()) above.push_back(seed);
  }
  const int reseeded = drawAfterFrame(below[0]);
  EXPECT_EQ(drawAfterFrame(below[1]), reseeded);
  EXPECT_NE(drawAfterFrame(above[0]), reseeded);
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
