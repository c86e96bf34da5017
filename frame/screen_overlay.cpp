#include "frame/screen_overlay.h"

#include <GL/gl.h>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/program_exit.h"
#include "frame/scene_resources.h"
#include "window/window.h"

float overlayOpacity(float alpha) {
  // Written so that a NaN also comes out as 0: nothing is drawn over the picture.
  if (!(alpha > 0)) return 0;
  return alpha < 1 ? alpha : 1;
}

void screenOverlay(float alpha) {
  const int width = windowWidth;
  const int height = windowHeight;

  // The blend function is the program's default, GL_SRC_ALPHA / GL_ONE_MINUS_SRC_ALPHA, so
  // every pixel becomes its old colour times (1 - alpha).
  glEnable(GL_BLEND);
  glDepthMask(GL_FALSE);
  glColor4f(0, 0, 0, overlayOpacity(alpha));

  // Filled even when the scene is drawn as lines or points.
  glPushAttrib(GL_POLYGON_BIT);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glPushAttrib(GL_VIEWPORT_BIT);

  // The whole window, the letterbox bars included.
  useWholeWindowPixels(width, height);

  glBegin(GL_QUADS);
  glVertex2i(0, 0);
  glVertex2i(width, 0);
  glVertex2i(width, height);
  glVertex2i(0, height);
  glEnd();

  // The projection stays orthographic: the frame's next projection set-up replaces it.
  glPopAttrib();
  glPopMatrix();
  glPopAttrib();

  glDepthMask(GL_TRUE);
  glDisable(GL_BLEND);
}

void blankPreviousPicture() {
  if (params.fullBlanking == 0 && params.blankIntensity < 1)
    screenOverlay(params.blankIntensity * frameDelta * 40);
}

void runFadeStage() {
  if (elapsedTime < 2) {
    screenOverlay(1 - elapsedTime / 2);
  } else if (exiting) {
    screenOverlay((elapsedTime - exitStartTime) / 2);
    if (elapsedTime - exitStartTime > 2) {
      releaseSceneResources();
      releasePicture();
      exitProgram(0);
    }
  }
}
