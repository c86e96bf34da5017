#include "controls/pointer.h"

#include <GL/glut.h>

int pointerDX = 0;
int pointerDY = 0;
int pointerMoved = 0;

namespace {

// A pointer report at window pixel (x, y): the offsets the manual camera turns by.
void recordPointer(int x, int y) {
  pointerMoved = 1;
  pointerDX = x - 450;
  pointerDY = y - 350;
}

}  // namespace

void pointerMotionCallback(int x, int y) {
  recordPointer(x, y);
}

void mouseButtonCallback(int button, int, int x, int y) {
  if (button != GLUT_LEFT_BUTTON) return;
  recordPointer(x, y);
}
