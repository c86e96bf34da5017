#include "text/message_line.h"

#include <GL/glu.h>

#include <cstdio>
#include <cstring>

#include "base/frame_clock.h"
#include "text/glyph_layout.h"
#include "text/text_overlay.h"
#include "text/text_scale.h"
#include "window/window.h"

namespace {

const float messageSeconds = 3.0f;
const float lineSize = 20.0f;        // glyph height of all three lines, pixels at scale 1
const int frameRateFromRight = 120;  // pixels between the frame-rate line and the right edge

float scaledLineSize() {
  return lineSize * textScale;
}

}  // namespace

void copyMessageText(char (&line)[80], const char* text) {
  size_t length = 0;
  while (length < sizeof line - 1 && text[length] != '\0') ++length;
  std::memmove(line, text, length);  // text may overlap line
  line[length] = '\0';
}

void formatGlErrorLine(char (&line)[80], GLenum error, const GLubyte* description) {
  if (description != nullptr) {
    std::snprintf(line, sizeof line, "OpenGL Error: %.59s",
                  reinterpret_cast<const char*>(description));
  } else {
    std::snprintf(line, sizeof line, "OpenGL Error: 0x%04X", error);
  }
}

namespace {

// Where the frame-rate line goes in a window width pixels wide: 120 pixels (at the text
// scale) from the right edge, on the message line's base line baseY; one line lower where the
// message line showing (message, drawn from messageX; empty when none) would run into it.
struct FrameRatePlace {
  short x, y;
};
FrameRatePlace frameRatePlace(int width, int baseY, float scale, const char* message,
                              short messageX) {
  const short x = static_cast<short>(width - scaledPixels(frameRateFromRight, scale));
  const float size = lineSize * scale;
  short y = static_cast<short>(baseY);
  // Where the message line would run into it, the frame-rate line moves one line down.
  if (*message != '\0' && textRightEdge(message, messageX, size, 3 * scale) >= x)
    y = static_cast<short>(y + scaledPixels(lineSize * 1.25, scale));
  return {x, y};
}

}  // namespace

double messageExpiryFrom(float now) {
  return now + messageSeconds;
}

void TextOverlay::postMessage(const char* text) {
  drawText(text, static_cast<short>(defaultX), static_cast<short>(defaultY), scaledLineSize());
  messageExpiry = messageExpiryFrom(elapsedTime);
}

void TextOverlay::postMessageInt(const char* format, int value) {
  char line[80];
  std::snprintf(line, sizeof line, format, value);
  postMessage(line);
}

void TextOverlay::postMessageReal(const char* format, double value) {
  char line[80];
  std::snprintf(line, sizeof line, format, value);
  postMessage(line);
}

void TextOverlay::setMessage(const char* text) {
  copyMessageText(messageText, text);
  messageExpiry = messageExpiryFrom(elapsedTime);
}

void TextOverlay::drawMessageLine() {
  if (elapsedTime >= messageExpiry) {
    messageExpiry = 0;
    return;
  }
  drawText(messageText, static_cast<short>(lastX), static_cast<short>(lastY), scaledLineSize());
}

void TextOverlay::drawFrameRate(int rate) {
  rememberText = 0;
  char line[80];
  std::snprintf(line, sizeof line, "%3d Frame/Sec", rate);
  const FrameRatePlace at =
      frameRatePlace(windowWidth, defaultY, textScale, messageExpiry != 0 ? messageText : "",
                     static_cast<short>(lastX));
  drawText(line, at.x, at.y, scaledLineSize());
  rememberText = 1;
}

// One error per frame; the line shows in that frame only, and the message line (its text and
// position untouched, since the error is not remembered) stays up for 3 more seconds.
void TextOverlay::drawGlError() {
  rememberText = 0;
  const GLenum error = glGetError();
  if (error != GL_NO_ERROR) {
    char line[80];
    formatGlErrorLine(line, error, gluErrorString(error));
    const int x = static_cast<int>(windowWidth * 0.4);
    drawText(line, static_cast<short>(x), static_cast<short>(defaultY), scaledLineSize());
    messageExpiry = messageExpiryFrom(elapsedTime);
  }
  rememberText = 1;
}
