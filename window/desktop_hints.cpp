#include <GL/glx.h>
#include <X11/Xlib.h>

#include "window/window.h"

DesktopHints desktopHints() {
  Display* display = glXGetCurrentDisplay();
  if (display == nullptr) return {nullptr, 0};
  return {XResourceManagerString(display), DisplayHeight(display, DefaultScreen(display))};
}
