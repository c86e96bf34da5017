#define GL_GLEXT_PROTOTYPES
#include "frame/title.h"

#include <gtest/gtest.h>

#include "base/frame_clock.h"
#include "tests/gl/glyph_feedback.h"
#include "text/text_overlay.h"
#include "window/window.h"

TEST(StartupTitle, GlidesInLargeGlyphsWithoutBecomingTheMessageLine) {
  textOverlay.postMessage("Press ? key for Help Screen");
  elapsedTime = 4.0f;
  const auto quads = gltest::drawnQuads(drawStartupTitle);
  EXPECT_EQ(gltest::textOf(quads), "Gyrotrak");
  ASSERT_EQ(quads.size(), 8u);
  const TitlePosition at = titlePosition(4.0f, windowWidth, windowHeight);
  EXPECT_FLOAT_EQ(quads[0].vertices[0].x, windowWidth / 2);
  EXPECT_FLOAT_EQ(quads[0].vertices[0].y, windowHeight - at.y);
  EXPECT_FLOAT_EQ(quads[0].vertices[3].y - quads[0].vertices[0].y, 60);
  EXPECT_FLOAT_EQ(quads[1].vertices[0].x - quads[0].vertices[0].x, 27);

  EXPECT_STREQ(textOverlay.messageText, "Press ? key for Help Screen");
  EXPECT_EQ(textOverlay.lastX, 10);
  EXPECT_EQ(textOverlay.lastY, 25);
  EXPECT_EQ(textOverlay.rememberText, 1);

  // Shown for the first 10 seconds only. By then it has glided off the window, where nothing of
  // it is seen: the vertices it sends are counted before clipping.
  auto primitivesSent = [] {
    GLuint query = 0, count = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    drawStartupTitle();
    glEndQuery(GL_PRIMITIVES_GENERATED);
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &count);
    glDeleteQueries(1, &query);
    return count;
  };
  elapsedTime = 9.99f;
  EXPECT_GT(primitivesSent(), 0u);
  elapsedTime = 10.0f;
  EXPECT_EQ(primitivesSent(), 0u);
}
