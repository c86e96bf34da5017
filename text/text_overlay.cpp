#include "text/text_overlay.h"

TextOverlay::TextOverlay() {
  setDefaults();
}

void TextOverlay::setDefaults() {
  defaultX = 10;
  defaultY = 25;
  rememberText = 1;
  textColor[0] = textColor[1] = textColor[2] = textColor[3] = 1.0f;
  alphaRef = 0.1f;
  alphaTestOn = 1;
  blendOn = 1;
  slant = 3.0f;
}

void TextOverlay::drawText(const char*, short, short, float) {}
void TextOverlay::postMessage(const char*) {}
void TextOverlay::postMessageInt(const char*, int) {}
void TextOverlay::postMessageReal(const char*, double) {}
void TextOverlay::setMessage(const char*) {}
void TextOverlay::drawMessageLine() {}
void TextOverlay::drawFrameRate(int) {}
void TextOverlay::drawGlError() {}
