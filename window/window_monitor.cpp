#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include "window/monitors.h"
#include "window/window.h"

namespace {

// Written by followMonitorHeight; the window's place also by windowMoved and windowResized.
Display* display = nullptr;
Window window = 0;
ScreenRectangle monitors[maxMonitors];
int monitorCount = 0;
ScreenRectangle screen = {0, 0, 0, 0};
ScreenRectangle place = {0, 0, 0, 0};  // the window's, in the root window's pixels
int toldHeight = 0;                    // of the monitor last told
void (*tellHeight)(int) = nullptr;

void tellMonitorHeight() {
  const ScreenRectangle monitor = monitorAt(monitors, monitorCount, place.x + place.width / 2,
                                            place.y + place.height / 2, screen);
  if (monitor.height == toldHeight) return;
  toldHeight = monitor.height;
  if (tellHeight != nullptr) tellHeight(toldHeight);
}

// Where the window's top-left corner is on the screen. The toolkit tells of a move with the
// position the configure event gave, which under a window manager is sometimes the window's
// place in the manager's frame: the server is asked once, at the move, never in a frame.
void readPlace() {
  Window child = 0;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &place.x, &place.y,
                        &child);
}

void windowMoved(int, int) {
  readPlace();
  tellMonitorHeight();
}

}  // namespace

void followMonitorHeight(void (*heightChanged)(int height)) {
  tellHeight = heightChanged;
  display = glXGetCurrentDisplay();
  window = glXGetCurrentDrawable();
  if (display == nullptr || window == 0) return;
  screen = wholeScreen(display);
  monitorCount = listMonitors(display, monitors);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes))
    place = {0, 0, attributes.width, attributes.height};
  readPlace();
  tellMonitorHeight();
  glutPositionFunc(windowMoved);
}

void followMonitorSize(int width, int height) {
  if (display == nullptr) return;
  place.width = width;
  place.height = height;
  tellMonitorHeight();
}
