#include "text/text_overlay.h"

#include <GL/gl.h>

#include <cstdlib>

#include "text/glyph_layout.h"
#include "text/message_line.h"
#include "text/text_scale.h"
#include "window/window.h"

TextOverlay textOverlay;

TextOverlay::TextOverlay() {
  setDefaults();
}

void TextOverlay::setDefaults() {
  setScaledSizes();
  rememberText = 1;
  textColor[0] = textColor[1] = textColor[2] = textColor[3] = 1.0f;
  alphaRef = 0.1f;
  alphaTestOn = 1;
  blendOn = 1;
}

void TextOverlay::setScaledSizes() {
  defaultX = scaledPixels(10, textScale);
  defaultY = scaledPixels(25, textScale);
  slant = 3.0f * textScale;
}

namespace {

void emitGlyph(const GlyphQuad& quad) {
  glBegin(GL_QUADS);
  for (const GlyphVertex& corner : quad.corners) {
    glTexCoord2d(corner.s, corner.t);
    glVertex2d(corner.x, corner.y);
  }
  glEnd();
}

}  // namespace

void TextOverlay::drawText(const char* text, short x, short y, float size) {
  const int width = windowWidth;
  const int height = windowHeight;
  const short baseline = glyphBaseline(y, height);

  glColor4d(textColor[0], textColor[1], textColor[2], textColor[3]);
  glEnable(GL_TEXTURE_2D);
  if (alphaTestOn) {
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, alphaRef);
  }
  if (blendOn) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  }
  glDepthMask(GL_FALSE);
  glBindTexture(GL_TEXTURE_2D, fontTexture);

  // Text is filled even while the scene is drawn in lines or points.
  glPushAttrib(GL_POLYGON_BIT);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glPushMatrix();
  glPushAttrib(GL_VIEWPORT_BIT);
  useWholeWindowPixels(width, height);

  layoutGlyphs(text, x, baseline, size, slant, emitGlyph);

  glPopAttrib();
  glPopMatrix();
  glPopAttrib();

  // Back to the program-wide defaults. Depth test, lighting and fog are the scene's to switch
  // off before any text is drawn.
  glDepthMask(GL_TRUE);
  if (blendOn) {
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  }
  if (alphaTestOn) {
    glDisable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0);
  }
  glDisable(GL_TEXTURE_2D);

  if (rememberText) {
    lastX = x;
    lastY = y;
    copyMessageText(messageText, text);
  }
}

void scaleTextForMonitor(int monitorHeight) {
  textScale = chooseTextScale(std::getenv("GDK_SCALE"), desktopResources(), monitorHeight);
  textOverlay.setScaledSizes();
}
