#include "window/full_screen.h"

#include <GL/glut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include "window/window.h"

namespace {

// How far (x, y) lies from the rectangle, squared; 0 inside it.
long distanceSquared(const ScreenRectangle& area, int x, int y) {
  const long dx = x < area.x                 ? area.x - x
                  : x >= area.x + area.width ? x - (area.x + area.width - 1)
                                             : 0;
  const long dy = y < area.y                  ? area.y - y
                  : y >= area.y + area.height ? y - (area.y + area.height - 1)
                                              : 0;
  return dx * dx + dy * dy;
}

// The window that window's _NET_SUPPORTING_WM_CHECK property names, or None.
Window checkWindowOf(Display* display, Window window, Atom check) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, left = 0;
  unsigned char* data = nullptr;
  Window named = None;
  // A destroyed window fails the request; its error goes to the handler in force, which notes
  // only the program's own window's loss (quietenXErrors, watchForWindowLoss).
  if (XGetWindowProperty(display, window, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                         &left, &data) == Success &&
      type == XA_WINDOW && format == 32 && count == 1)
    named = *reinterpret_cast<const unsigned long*>(data);  // format 32 comes as longs
  if (data != nullptr) XFree(data);
  return named;
}

// A window manager that follows the desktop conventions names a window of its own on the root
// window, and that window names itself. One that quit leaves the root's property naming a
// destroyed window: no manager.
bool windowManagerRuns(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  const Window named = checkWindowOf(display, DefaultRootWindow(display), check);
  return named != None && checkWindowOf(display, named, check) == named;
}

// Lists the server's active monitors (XRandR 1.5) and returns their count: 0 where it cannot
// list them.
int listMonitors(Display* display, ScreenRectangle (&list)[maxMonitors]) {
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XRRQueryExtension(display, &event, &error) || !XRRQueryVersion(display, &major, &minor) ||
      major * 100 + minor < 105)
    return 0;
  int count = 0;
  XRRMonitorInfo* monitors = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
  if (monitors == nullptr) return 0;
  count = count < maxMonitors ? count : maxMonitors;
  for (int i = 0; i < count; ++i)
    list[i] = {monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height};
  XRRFreeMonitors(monitors);
  return count;
}

}  // namespace

ScreenRectangle monitorAt(const ScreenRectangle* monitors, int count, int x, int y,
                          ScreenRectangle screen) {
  const ScreenRectangle* nearest = nullptr;
  long nearestDistance = 0;
  for (int i = 0; i < count; ++i) {
    const ScreenRectangle& monitor = monitors[i];
    if (monitor.width <= 0 || monitor.height <= 0) continue;
    const long distance = distanceSquared(monitor, x, y);
    if (nearest == nullptr || distance < nearestDistance) {
      nearest = &monitor;
      nearestDistance = distance;
    }
  }
  return nearest != nullptr ? *nearest : screen;
}

void enterFullScreen() {
  Display* display = glXGetCurrentDisplay();
  const Window window = glXGetCurrentDrawable();
  if (display == nullptr || window == 0 || windowManagerRuns(display)) {
    glutFullScreen();
    return;
  }
  // No manager frames the window, so its position is the screen's own: the monitor's origin.
  const Window root = DefaultRootWindow(display);
  Window pointerRoot = 0, child = 0;
  int x = 0, y = 0, inWindowX = 0, inWindowY = 0;
  unsigned int buttons = 0;
  XQueryPointer(display, root, &pointerRoot, &child, &x, &y, &inWindowX, &inWindowY, &buttons);
  XWindowAttributes screen;
  if (!XGetWindowAttributes(display, root, &screen)) return;
  ScreenRectangle monitors[maxMonitors];
  const int count = listMonitors(display, monitors);
  const ScreenRectangle area =
      monitorAt(monitors, count, x, y, {0, 0, screen.width, screen.height});
  // No border either: the picture starts at the monitor's first pixel.
  XSetWindowBorderWidth(display, window, 0);
  XMoveResizeWindow(display, window, area.x, area.y, area.width, area.height);
  XRaiseWindow(display, window);
  XFlush(display);
}
