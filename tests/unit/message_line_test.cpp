#include "text/message_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/frame_clock.h"
#include "text/text_overlay.h"

// The message line's state changes that draw nothing. Nothing here may reach a GL call: there
// is no window in this process, and the toolkit would end it.

namespace {

const std::string hundred(100, 'x');

void showMessage(const char* text, int x, int y, float now) {
  elapsedTime = now;
  std::snprintf(textOverlay.messageText, sizeof textOverlay.messageText, "%s", text);
  textOverlay.lastX = x;
  textOverlay.lastY = y;
  textOverlay.messageExpiry = messageExpiryFrom(now);
}

}  // namespace

TEST(MessageText, CopiesAtMost79CharactersAndTheTerminator) {
  char line[80];
  std::memset(line, '#', sizeof line);
  copyMessageText(line, "Fog On");
  EXPECT_STREQ(line, "Fog On");

  std::memset(line, '#', sizeof line);
  copyMessageText(line, hundred.c_str());
  EXPECT_EQ(std::string(line), hundred.substr(0, 79));

  copyMessageText(line, "");
  EXPECT_STREQ(line, "");
}

TEST(MessageText, CopiesTextThatLiesInsideTheLineItself) {
  char line[80];
  copyMessageText(line, "New Track: 1 2 5 5");
  copyMessageText(line, line);
  EXPECT_STREQ(line, "New Track: 1 2 5 5");
  copyMessageText(line, line + 11);
  EXPECT_STREQ(line, "1 2 5 5");
}

TEST(SetMessage, ReplacesTheTextForThreeSecondsAtTheLastPosition) {
  showMessage("Fog On", 200, 140, 1.0f);
  elapsedTime = 7.25f;
  textOverlay.setMessage("New Track: 3 1 4 1");
  EXPECT_STREQ(textOverlay.messageText, "New Track: 3 1 4 1");
  EXPECT_DOUBLE_EQ(textOverlay.messageExpiry, 10.25);
  EXPECT_EQ(textOverlay.lastX, 200);
  EXPECT_EQ(textOverlay.lastY, 140);
}

TEST(SetMessage, KeepsOnly79CharactersAndTakesItsOwnBuffers) {
  elapsedTime = 0;
  textOverlay.setMessage(hundred.c_str());
  EXPECT_EQ(std::string(textOverlay.messageText), hundred.substr(0, 79));

  char line[80];
  std::snprintf(line, sizeof line, "Speed: %4.2f", 1.5);
  textOverlay.setMessage(line);
  EXPECT_STREQ(textOverlay.messageText, "Speed: 1.50");

  textOverlay.setMessage(textOverlay.messageText + 7);
  EXPECT_STREQ(textOverlay.messageText, "1.50");
}

// Reaching the expiry ends the line in that very frame, and the expiry goes back to 0 so the
// frame stops asking. Being on the clock's float scale, an expiry is reached exactly.
TEST(MessageLine, DisappearsInTheFirstFrameAtOrAfterItsExpiry) {
  for (float posted : {0.0f, 0.7f, 2.016f, 119.983f, 4000.001f}) {
    SCOPED_TRACE(posted);
    showMessage("Pause", 10, 25, posted);
    const float expiry = static_cast<float>(textOverlay.messageExpiry);
    EXPECT_DOUBLE_EQ(textOverlay.messageExpiry, expiry);
    EXPECT_NEAR(expiry - posted, 3.0, 1e-3);

    elapsedTime = expiry;
    textOverlay.drawMessageLine();
    EXPECT_EQ(textOverlay.messageExpiry, 0);
    EXPECT_STREQ(textOverlay.messageText, "Pause");  // the text stays for the error line
  }

  showMessage("Pause", 10, 25, 1.0f);
  elapsedTime = 30.0f;  // long after: a stalled window
  textOverlay.drawMessageLine();
  EXPECT_EQ(textOverlay.messageExpiry, 0);
}

TEST(GlErrorLine, ShowsTheDescriptionOrElseTheNumber) {
  char line[80];
  formatGlErrorLine(line, GL_INVALID_ENUM, reinterpret_cast<const GLubyte*>("invalid enumerant"));
  EXPECT_STREQ(line, "OpenGL Error: invalid enumerant");

  formatGlErrorLine(line, 0x1234, nullptr);
  EXPECT_STREQ(line, "OpenGL Error: 0x1234");
  formatGlErrorLine(line, 0x50, nullptr);
  EXPECT_STREQ(line, "OpenGL Error: 0x0050");
}

TEST(GlErrorLine, CutsALongDescriptionTo59Characters) {
  char line[80];
  formatGlErrorLine(line, GL_INVALID_VALUE, reinterpret_cast<const GLubyte*>(hundred.c_str()));
  EXPECT_EQ(std::string(line), "OpenGL Error: " + hundred.substr(0, 59));
}
