#include "window/monitors.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

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

ScreenRectangle wholeScreen(Display* display) {
  const int screen = DefaultScreen(display);
  return {0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)};
}

ScreenRectangle pointerMonitor(Display* display) {
  Window pointerRoot = 0, child = 0;
  int x = 0, y = 0, inWindowX = 0, inWindowY = 0;
  unsigned int buttons = 0;
  XQueryPointer(display, DefaultRootWindow(display), &pointerRoot, &child, &x, &y, &inWindowX,
                &inWindowY, &buttons);
  // The root window's size now, which XRandR may have changed since the connection was made.
  ScreenRectangle screen = wholeScreen(display);
  XWindowAttributes root;
  if (XGetWindowAttributes(display, DefaultRootWindow(display), &root))
    screen = {0, 0, root.width, root.height};
  ScreenRectangle monitors[maxMonitors];
  const int count = listMonitors(display, monitors);
  return monitorAt(monitors, count, x, y, screen);
}
