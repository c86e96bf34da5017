#pragma once

#include <GL/gl.h>

// All text on screen: glyph quads from the bitmap font, in window pixels, over the frame so far;
// and the message line that confirms every command for 3 seconds.
class TextOverlay {
 public:
  TextOverlay();
  virtual ~TextOverlay() {}

  // Puts the style fields back to their defaults at the text scale; leaves the message line and
  // the font alone.
  void setDefaults();

  // Sets the fields that follow the text scale (the default position, the slant) to it: at
  // start-up and when the window moves to a monitor of another scale.
  void setScaledSizes();

  // Draws text at once with its first glyph's left edge at x and the glyphs' bottom edge y pixels
  // below the window's top; size is the glyph height in pixels.
  void drawText(const char* text, short x, short y, float size);

  // Draws text at the default position at once and keeps it as the message line for 3 seconds.
  void postMessage(const char* text);
  void postMessageInt(const char* format, int value);
  void postMessageReal(const char* format, double value);

  // Makes text the message line for 3 seconds from the next frame, at the last position.
  void setMessage(const char* text);

  // Per-frame status layers.
  void drawMessageLine();
  void drawFrameRate(int rate);
  void drawGlError();

  int defaultX;  // pixels from the left edge of the message position
  int defaultY;  // pixels from the top edge of the message base line
  int lastX;     // position of the last remembered drawText
  int lastY;
  int rememberText;  // drawText records its text and position as the message line
  int alphaTestOn;
  int blendOn;
  double messageExpiry;  // elapsedTime until which the message line shows; 0 = none
  float textColor[4];    // red, green, blue, alpha
  float alphaRef;        // alpha-test reference
  float slant;           // pixels the top edge of each glyph leans to the right
  char messageText[80];  // the message line, zero-terminated
  GLuint fontTexture;    // set once at start-up
};

// Written by start-up (font), the frame (style, message line) and every control that posts.
extern TextOverlay textOverlay;

// Sets textScale for a monitor monitorHeight pixels high, unless the desktop says one, and the
// overlay's sizes with it.
void scaleTextForMonitor(int monitorHeight);
