#include <GL/glx.h>
#include <X11/Xlib.h>

#include "window/window.h"

const char* desktopResources() {
  Display* display = glXGetCurrentDisplay();
  return display != nullptr ? XResourceManagerString(display) : nullptr;
}
