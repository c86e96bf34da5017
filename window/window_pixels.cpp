#include <GL/gl.h>

#include "window/window.h"

void useWholeWindowPixels(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // A window of no width or height shows nothing, but the projection must still be valid.
  glOrtho(0, width > 0 ? width : 1, 0, height > 0 ? height : 1, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
