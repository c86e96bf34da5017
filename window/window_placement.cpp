// Where the program's own window goes on the screen, and what it tells the desktop. Full
// screen covers one monitor. A window manager is asked for it, the toolkit's way
// (glutFullScreen, the _NET_WM_STATE_FULLSCREEN request), and places the window on a monitor of
// its choosing. With none (a kiosk, a bare X session, some remote desktops) the toolkit would
// only resize the window to the whole X screen, off by its position and across every monitor,
// and would leave a window whose place no -geometry gives at (-1, -1): the window is placed
// here instead, on the monitor the pointer is on. The text scale follows the height of the
// monitor the window is on.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include "window/window_internal.h"

namespace {

constexpr int maxMonitors = 16;  // the most monitors looked at

// The window followMonitorHeight follows and the monitors listed then; the window's place, in
// the root window's pixels, also written by its moves and resizes.
Display* followedDisplay = nullptr;
Window followedWindow = 0;
ScreenRectangle monitors[maxMonitors], screen, place;
int monitorCount = 0;
int toldHeight = 0;  // of the monitor last told
void (*tellHeight)(int) = nullptr;

// The toolkit's current window and its connection; false where there is none.
bool currentWindow(Display*& display, Window& window) {
  display = glXGetCurrentDisplay();
  window = glXGetCurrentDrawable();
  return display != nullptr && window != 0;
}

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

// Lists the server's active monitors (XRandR 1.5) and returns their count: 0 where it cannot
// list them. A few round trips.
int listMonitors(Display* display, ScreenRectangle (&list)[maxMonitors]) {
  int event = 0, error = 0, major = 0, minor = 0, count = 0;
  if (!XRRQueryExtension(display, &event, &error) || !XRRQueryVersion(display, &major, &minor) ||
      major * 100 + minor < 105)
    return 0;
  XRRMonitorInfo* listed = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
  if (listed == nullptr) return 0;
  count = count < maxMonitors ? count : maxMonitors;
  for (int i = 0; i < count; ++i)
    list[i] = {listed[i].x, listed[i].y, listed[i].width, listed[i].height};
  XRRFreeMonitors(listed);
  return count;
}

// The display's default screen as the connection gives it: no round trip.
ScreenRectangle wholeScreen(Display* display) {
  return {0, 0, DisplayWidth(display, DefaultScreen(display)),
          DisplayHeight(display, DefaultScreen(display))};
}

// The monitor the pointer is on (the whole screen where the server lists none).
ScreenRectangle pointerMonitor(Display* display) {
  Window pointerRoot = 0, child = 0;
  int x = 0, y = 0, inWindowX = 0, inWindowY = 0;
  unsigned int buttons = 0;
  XQueryPointer(display, DefaultRootWindow(display), &pointerRoot, &child, &x, &y, &inWindowX,
                &inWindowY, &buttons);
  // The root window's size now, which XRandR may have changed since the connection was made.
  ScreenRectangle whole = wholeScreen(display);
  XWindowAttributes root;
  if (XGetWindowAttributes(display, DefaultRootWindow(display), &root))
    whole = {0, 0, root.width, root.height};
  ScreenRectangle listed[maxMonitors];
  return monitorAt(listed, listMonitors(display, listed), x, y, whole);
}

// The window that window's _NET_SUPPORTING_WM_CHECK property names, or None.
Window checkWindowOf(Display* display, Window window, Atom check) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, left = 0;
  unsigned char* data = nullptr;
  Window named = None;
  // A destroyed window fails the request; the error handler in force lets it fail quietly.
  if (XGetWindowProperty(display, window, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                         &left, &data) == Success &&
      type == XA_WINDOW && format == 32 && count == 1)
    named = *reinterpret_cast<const unsigned long*>(data);  // format 32 comes as longs
  if (data != nullptr) XFree(data);
  return named;
}

// Whether a window manager that follows the desktop conventions runs. A few round trips.
bool windowManagerRuns(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  const Window named = checkWindowOf(display, DefaultRootWindow(display), check);
  return named != None && checkWindowOf(display, named, check) == named;
}

void tellMonitorHeight() {
  const int height = monitorAt(monitors, monitorCount, place.x + place.width / 2,
                               place.y + place.height / 2, screen)
                         .height;
  if (height == toldHeight) return;
  toldHeight = height;
  if (tellHeight != nullptr) tellHeight(height);
}

// Where the window's top-left corner is on the screen. The toolkit tells of a move with the
// position the configure event gave, which under a window manager is sometimes the window's
// place in the manager's frame: the server is asked once, at the move, never in a frame.
void windowMoved(int, int) {
  Window child = 0;
  XTranslateCoordinates(followedDisplay, followedWindow, DefaultRootWindow(followedDisplay), 0, 0,
                        &place.x, &place.y, &child);
  tellMonitorHeight();
}

}  // namespace

ScreenRectangle monitorAt(const ScreenRectangle* list, int count, int x, int y,
                          ScreenRectangle whole) {
  const ScreenRectangle* nearest = nullptr;
  for (int i = 0; i < count; ++i)
    if (list[i].width > 0 && list[i].height > 0 &&
        (nearest == nullptr || distanceSquared(list[i], x, y) < distanceSquared(*nearest, x, y)))
      nearest = &list[i];
  return nearest != nullptr ? *nearest : whole;
}

void enterFullScreen() {
  Display* display;
  Window window;
  if (!currentWindow(display, window) || windowManagerRuns(display)) return glutFullScreen();
  // No manager frames the window, so its position is the screen's own: the monitor's origin,
  // and no border, so that the picture starts at the monitor's first pixel.
  const ScreenRectangle area = pointerMonitor(display);
  XSetWindowBorderWidth(display, window, 0);
  XMoveResizeWindow(display, window, area.x, area.y, area.width, area.height);
  XRaiseWindow(display, window);
  XFlush(display);
}

AskedWindow askedWindow(const char* geometry) {
  AskedWindow asked = {512, 512, false};
  if (geometry == nullptr) return asked;
  int x = 0, y = 0;
  unsigned int width = 0, height = 0;
  const int given = XParseGeometry(geometry, &x, &y, &width, &height);
  if ((given & WidthValue) && width >= 1 && width <= 32767) asked.width = static_cast<int>(width);
  if ((given & HeightValue) && height >= 1 && height <= 32767)
    asked.height = static_cast<int>(height);
  asked.placed = (given & (XValue | YValue)) != 0;
  return asked;
}

void placeOwnWindow(int width, int height) {
  Display* display;
  Window window;
  if (!currentWindow(display, window) || windowManagerRuns(display)) return;
  // Centred; where larger than the monitor, its top-left corner (and title) at the monitor's.
  const ScreenRectangle area = pointerMonitor(display);
  XMoveWindow(display, window, width < area.width ? area.x + (area.width - width) / 2 : area.x,
              height < area.height ? area.y + (area.height - height) / 2 : area.y);
  XFlush(display);
}

void nameWindowClass() {
  Display* display;
  Window window;
  if (!currentWindow(display, window)) return;
  char name[] = "gyrotrak", className[] = "Gyrotrak";
  XClassHint hint = {name, className};
  XSetClassHint(display, window, &hint);
}

const char* desktopResources() {
  Display* display = glXGetCurrentDisplay();
  return display != nullptr ? XResourceManagerString(display) : nullptr;
}

void followMonitorHeight(void (*heightChanged)(int height)) {
  tellHeight = heightChanged;
  if (!currentWindow(followedDisplay, followedWindow)) return;
  screen = wholeScreen(followedDisplay);
  monitorCount = listMonitors(followedDisplay, monitors);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(followedDisplay, followedWindow, &attributes))
    place = {0, 0, attributes.width, attributes.height};
  windowMoved(0, 0);
  glutPositionFunc(windowMoved);
}

void followMonitorSize(int width, int height) {
  if (followedDisplay == nullptr) return;
  place.width = width;
  place.height = height;
  tellMonitorHeight();
}
