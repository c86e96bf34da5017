#include "frame/ride_step.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "controls/keyboard.h"
#include "frame/frame.h"
#include "gl_context.h"
#include "glyph_feedback.h"
#include "ride/camera.h"
#include "ride/track.h"
#include "text/text_overlay.h"
#include "window/window.h"

namespace {

void runFrameAt(int ms) {
  elapsedMs = ms;
  frame();
}

std::string newTrackLine() {
  char line[80];
  std::snprintf(line, sizeof line, "New Track: %1d %1d %1d %1d", track.frequencyX, track.frequencyZ,
                track.frequencyY1, track.frequencyY2);
  return line;
}

}  // namespace

TEST(RideStep, CameraRidesAlongTheTrackFrameByFrame) {
  gltest::startProgram();
  runFrameAt(1000);
  float travelled = 0;
  Vector3 last = camera.position;
  for (int ms = 1020; ms <= 5000; ms += 20) {
    runFrameAt(ms);
    // The camera is on the ride, between its segment's two points.
    EXPECT_EQ(camera.position.x, track.position.x);
    EXPECT_EQ(camera.position.z, track.position.z);
    const float dx = camera.position.x - last.x;
    const float dz = camera.position.z - last.z;
    travelled += std::sqrt(dx * dx + dz * dz);
    last = camera.position;
  }
  // 4 s at 7 to 43 points a second of 720 on a loop a few units long.
  EXPECT_GT(travelled, 0.1f);
  EXPECT_GT(track.segment, 28);
  EXPECT_LT(track.segment, 200);
  float p, h;
  track.directionAngles(track.direction.x, track.direction.y, track.direction.z, p, h);
  EXPECT_NEAR(camera.heading, h / 0.017453292f, 1e-4);
  EXPECT_NEAR(camera.pitch, p * 0.7f / 0.017453292f, 1e-4);
}

TEST(RideStep, NewTrackMoreThan120SecondsAfterTheFirstFrame) {
  gltest::startProgram();
  runFrameAt(5000);
  EXPECT_FLOAT_EQ(trackStartTime, 5);
  const int segment = track.segment;

  // 120 s of frames on the dot do not change it: the count must be exceeded.
  int frequencies[4] = {track.frequencyX, track.frequencyZ, track.frequencyY1, track.frequencyY2};
  for (int ms = 5100; ms <= 125000; ms += 100) runFrameAt(ms);
  EXPECT_FLOAT_EQ(trackStartTime, 5);
  const int same[4] = {track.frequencyX, track.frequencyZ, track.frequencyY1, track.frequencyY2};
  EXPECT_EQ(std::memcmp(frequencies, same, sizeof same), 0);

  runFrameAt(125100);
  EXPECT_FLOAT_EQ(trackStartTime, 125.1f);
  EXPECT_EQ(textOverlay.messageText, newTrackLine());
  EXPECT_GT(textOverlay.messageExpiry, 125.1f);
  EXPECT_NE(track.segment, segment);  // the ride has moved on; it continues on the new shape

  // The next change counts from the frame of this one.
  runFrameAt(245100);  // a stall: counts as a 0.05 s frame, but the clock reads 245.1
  EXPECT_FLOAT_EQ(trackStartTime, 125.1f);
  runFrameAt(245200);
  EXPECT_FLOAT_EQ(trackStartTime, 245.2f);
}

TEST(RideStep, PausedRideStillChangesTrackOnTime) {
  gltest::startProgram();
  runFrameAt(1000);
  paused = 1;
  const int segment = track.segment;
  const float fraction = track.fraction;
  runFrameAt(121100);
  EXPECT_FLOAT_EQ(trackStartTime, 121.1f);
  EXPECT_EQ(track.segment, segment);
  EXPECT_EQ(track.fraction, fraction);
}

TEST(RideStep, FlareTicksOnEveryFourthFrameOfTwentyMilliseconds) {
  gltest::startProgram();
  runFrameAt(2000);  // the first frame counts as 0.05 s
  EXPECT_FLOAT_EQ(flareTimer, 0.05f);
  runFrameAt(2020);  // 0.07 is not more than 0.07
  EXPECT_NEAR(flareTimer, 0.07f, 1e-6);
  runFrameAt(2040);  // tick: the excess is dropped
  EXPECT_EQ(flareTimer, 0);
  int ticks = 0;
  for (int ms = 2060; ms <= 2060 + 20 * 39; ms += 20) {
    runFrameAt(ms);
    if (flareTimer == 0) ticks++;
  }
  EXPECT_EQ(ticks, 10);  // 40 frames of 0.02 s: every fourth
}

TEST(RideStep, ManualCameraShowsItsAnglesWithoutTakingTheMessageLine) {
  gltest::startProgram();
  textOverlay.setMessage("kept");
  camera.heading = 45;
  camera.pitch = -12;
  elapsedTime = 1;
  params.cameraMode = 0;
  const size_t scene = gltest::captureFeedback(rideStep).size();
  params.cameraMode = 1;
  const size_t withAngles = gltest::captureFeedback(rideStep).size();
  // Two glyph quads, each reported as two triangles, for every character of the two lines.
  EXPECT_EQ(withAngles - scene, 2 * (std::strlen("Heading  45") + std::strlen("Pitch   -12")));
  // Last of all, in size 20 at x 10, their bottoms 40 and 60 pixels below the window's top.
  const auto quads = gltest::drawnQuads(rideStep);
  ASSERT_GE(quads.size(), 22u);
  const std::vector<gltest::FeedbackPrimitive> lines(quads.end() - 22, quads.end());
  EXPECT_EQ(gltest::textOf(lines), "Heading  45Pitch   -12");
  for (int line : {0, 1}) {
    const auto& corners = lines[11 * line].vertices;
    EXPECT_FLOAT_EQ(corners[0].x, 10);
    EXPECT_FLOAT_EQ(corners[0].y, windowHeight - 40 - 20 * line);
    EXPECT_FLOAT_EQ(corners[3].y - corners[0].y, 20);
  }
  EXPECT_STREQ(textOverlay.messageText, "kept");
  EXPECT_EQ(textOverlay.rememberText, 1);
}
