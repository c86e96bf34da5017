#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "controls/reset.h"
#include "frame/frame.h"
#include "tests/gl/glyph_feedback.h"
#include "text/text_overlay.h"

// The message line and the status lines drawn on the program's 1024 x 768 window.

using gltest::drawnQuads;
using gltest::textOf;

namespace {

void expectLineAt(const std::vector<gltest::FeedbackPrimitive>& quads, float x, float bottom) {
  ASSERT_FALSE(quads.empty());
  EXPECT_FLOAT_EQ(quads[0].vertices[0].x, x);
  EXPECT_FLOAT_EQ(quads[0].vertices[0].y, bottom);
  EXPECT_FLOAT_EQ(quads[0].vertices[3].y - quads[0].vertices[0].y, 20);  // glyph size
}

}  // namespace

TEST(PostMessage, DrawsAtOnceAtTheDefaultPositionAndKeepsItThreeSeconds) {
  elapsedTime = 5.5f;
  const auto quads = drawnQuads([] { textOverlay.postMessage("Fog On"); });
  EXPECT_EQ(textOf(quads), "Fog On");
  expectLineAt(quads, 10, 743);
  EXPECT_STREQ(textOverlay.messageText, "Fog On");
  EXPECT_EQ(textOverlay.lastX, 10);
  EXPECT_EQ(textOverlay.lastY, 25);
  EXPECT_DOUBLE_EQ(textOverlay.messageExpiry, 8.5);
}

TEST(PostMessage, FormatsIntegersAndRealsIncludingATrailingNewline) {
  const auto tesselation = drawnQuads([] { textOverlay.postMessageInt("Tesselation: %d\n", 12); });
  EXPECT_STREQ(textOverlay.messageText, "Tesselation: 12\n");
  ASSERT_EQ(tesselation.size(), 16u);
  // The newline is drawn, with the glyph of code 138 one texture height lower.
  EXPECT_NEAR(tesselation[15].vertices[0].t, 0.865 - 6 * 0.125 - 1.0, 1e-6);

  textOverlay.postMessageReal("Speed: %4.2f", 1.05263);
  EXPECT_STREQ(textOverlay.messageText, "Speed: 1.05");
}

TEST(PostMessage, CutsFormattedLinesThatWouldOverflowTheBuffer) {
  const auto wide = drawnQuads([] { textOverlay.postMessageInt("Count %-100d|", 7); });
  EXPECT_EQ(wide.size(), 79u);
  EXPECT_EQ(std::string(textOverlay.messageText), "Count 7" + std::string(72, ' '));

  textOverlay.postMessageReal("%.90f", 1.0 / 3);
  EXPECT_EQ(std::strlen(textOverlay.messageText), 79u);
  EXPECT_EQ(std::string(textOverlay.messageText, 6), "0.3333");
}

TEST(MessageLine, IsRedrawnAtItsLastPositionUntilItsExpiry) {
  textOverlay.defaultX = 200;
  textOverlay.defaultY = 140;
  elapsedTime = 1.0f;
  textOverlay.postMessage("Camera: Manual");
  textOverlay.setDefaults();
  elapsedTime = 2.0f;
  textOverlay.setMessage("New Track: 1 2 5 5");  // replaces the text only

  elapsedTime = 4.99f;
  const auto shown = drawnQuads([] { textOverlay.drawMessageLine(); });
  EXPECT_EQ(textOf(shown), "New Track: 1 2 5 5");
  expectLineAt(shown, 200, 628);
  EXPECT_DOUBLE_EQ(textOverlay.messageExpiry, 5.0);

  elapsedTime = 5.0f;
  const auto gone = drawnQuads([] { textOverlay.drawMessageLine(); });
  EXPECT_TRUE(gone.empty());
  EXPECT_EQ(textOverlay.messageExpiry, 0);
}

TEST(FrameRateLine, SitsAtTheRightWithTheCountInThreeColumns) {
  textOverlay.postMessage("Pause");
  // Upright, so that the last glyph's top corner does not reach past the right edge, where
  // clipping would cut its quad into pieces.
  textOverlay.slant = 0;
  const auto quads = drawnQuads([] { textOverlay.drawFrameRate(60); });
  EXPECT_EQ(textOf(quads), " 60 Frame/Sec");
  expectLineAt(quads, 904, 743);
  EXPECT_STREQ(textOverlay.messageText, "Pause");
  EXPECT_EQ(textOverlay.lastX, 10);
  EXPECT_EQ(textOverlay.rememberText, 1);
}

TEST(ErrorLine, ShowsForOneFrameAndBringsTheLastMessageBack) {
  elapsedTime = 1.0f;
  textOverlay.postMessage("Lights On");
  elapsedTime = 6.0f;
  textOverlay.drawMessageLine();
  ASSERT_EQ(textOverlay.messageExpiry, 0);

  while (glGetError() != GL_NO_ERROR) {
  }
  glEnable(0x1234);  // not a capability: GL_INVALID_ENUM
  const auto error = drawnQuads([] { textOverlay.drawGlError(); });
  EXPECT_EQ(textOf(error), "OpenGL Error: invalid enumerant");
  expectLineAt(error, 409, 743);
  EXPECT_DOUBLE_EQ(textOverlay.messageExpiry, 9.0);
  EXPECT_STREQ(textOverlay.messageText, "Lights On");
  EXPECT_EQ(textOverlay.lastX, 10);
  EXPECT_EQ(textOverlay.lastY, 25);
  EXPECT_EQ(textOverlay.rememberText, 1);

  elapsedTime = 6.02f;
  EXPECT_TRUE(drawnQuads([] { textOverlay.drawGlError(); }).empty());
  const auto back = drawnQuads([] { textOverlay.drawMessageLine(); });
  EXPECT_EQ(textOf(back), "Lights On");
  expectLineAt(back, 10, 743);
}

TEST(MessageLine, StartsWithTheHelpHintForThreeSecondsAndSurvivesTheTitle) {
  gltest::startProgram();
  EXPECT_STREQ(textOverlay.messageText, "Press ? key for Help Screen");
  EXPECT_EQ(textOverlay.lastX, 10);
  EXPECT_EQ(textOverlay.lastY, 25);
  EXPECT_DOUBLE_EQ(textOverlay.messageExpiry, elapsedTime + 3.0);

  const double expiry = textOverlay.messageExpiry;
  elapsedMs = static_cast<int>(expiry * 1000) - 20;
  frame();  // draws the title too
  EXPECT_DOUBLE_EQ(textOverlay.messageExpiry, expiry);
  EXPECT_STREQ(textOverlay.messageText, "Press ? key for Help Screen");
  EXPECT_EQ(textOverlay.lastX, 10);
  EXPECT_EQ(textOverlay.lastY, 25);
  elapsedMs = static_cast<int>(expiry * 1000);
  frame();
  EXPECT_EQ(textOverlay.messageExpiry, 0);

  // A reset announces the new track at the same place, from the next frame on.
  elapsedMs += 500;
  frame();
  reset();
  EXPECT_EQ(std::strncmp(textOverlay.messageText, "New Track: ", 11), 0);
  EXPECT_EQ(textOverlay.lastX, 10);
  EXPECT_EQ(textOverlay.lastY, 25);
  EXPECT_DOUBLE_EQ(textOverlay.messageExpiry, elapsedTime + 3.0);
}
