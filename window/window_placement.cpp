// Where the program's own window goes on the screen, and what it tells the desktop. Full
// screen covers one monitor. A window manager is asked for it, the toolkit's way
// (glutFullScreen, the _NET_WM_STATE_FULLSCREEN request), and places the window on a monitor of
// its choosing. With none (a kiosk, a bare X session, some remote desktops) the toolkit would
// only resize the window to the whole X screen, off by its position and across every monitor;
// enterFullScreen then places the window itself, on the monitor the pointer is on. The same
// way, with no manager placeOwnWindow puts a window whose place no -geometry gives wholly on the
// pointer's monitor, where the toolkit would leave it at (-1, -1), its top row and left column
// off the screen. The text scale follows the height of the monitor the window is on.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include "window/window_internal.h"

namespace {

constexpr int maxMonitors = 16;  // the most monitors looked at

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

// The whole screen of the display's default screen, from the connection: no round trip.
ScreenRectangle wholeScreen(Display* display) {
  const int screen = DefaultScreen(display);
  return {0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)};
}

// The monitor the pointer is on (the whole screen where the server lists none).
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

// A width x height window centred on the monitor; where it is larger than the monitor, its
// top-left corner at the monitor's, so its title and top-left corner are on the screen.
ScreenRectangle windowCentredOn(ScreenRectangle monitor, int width, int height) {
  const int x = width < monitor.width ? monitor.x + (monitor.width - width) / 2 : monitor.x;
  const int y = height < monitor.height ? monitor.y + (monitor.height - height) / 2 : monitor.y;
  return {x, y, width, height};
}

// The window followMonitorHeight follows; its place also written by the move and resize.
struct FollowedWindow {
  Display* display = nullptr;
  Window window = 0;
  ScreenRectangle monitors[maxMonitors] = {};
  int monitorCount = 0;
  ScreenRectangle screen = {0, 0, 0, 0};
  ScreenRectangle place = {0, 0, 0, 0};  // the window's, in the root window's pixels
  int toldHeight = 0;                    // of the monitor last told
  void (*tellHeight)(int) = nullptr;
};
FollowedWindow followed;

void tellMonitorHeight() {
  const ScreenRectangle& place = followed.place;
  const ScreenRectangle monitor =
      monitorAt(followed.monitors, followed.monitorCount, place.x + place.width / 2,
                place.y + place.height / 2, followed.screen);
  if (monitor.height == followed.toldHeight) return;
  followed.toldHeight = monitor.height;
  if (followed.tellHeight != nullptr) followed.tellHeight(monitor.height);
}

// Where the window's top-left corner is on the screen. The toolkit tells of a move with the
// position the configure event gave, which under a window manager is sometimes the window's
// place in the manager's frame: the server is asked once, at the move, never in a frame.
void readPlace() {
  Window child = 0;
  XTranslateCoordinates(followed.display, followed.window, DefaultRootWindow(followed.display), 0,
                        0, &followed.place.x, &followed.place.y, &child);
}

void windowMoved(int, int) {
  readPlace();
  tellMonitorHeight();
}

}  // namespace

ScreenRectangle monitorAt(const ScreenRectangle* monitors, int count, int x, int y,
                          ScreenRectangle screen) {
  const ScreenRectangle* nearest = nullptr;
  long nearestDistance = 0;
  for (int i = 0; i < count; ++i) {
    if (monitors[i].width <= 0 || monitors[i].height <= 0) continue;
    const long distance = distanceSquared(monitors[i], x, y);
    if (nearest == nullptr || distance < nearestDistance) {
      nearest = &monitors[i];
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
  const ScreenRectangle area = pointerMonitor(display);
  // No border either: the picture starts at the monitor's first pixel.
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
  Display* display = glXGetCurrentDisplay();
  const Window window = glXGetCurrentDrawable();
  if (display == nullptr || window == 0 || windowManagerRuns(display)) return;
  const ScreenRectangle place = windowCentredOn(pointerMonitor(display), width, height);
  XMoveWindow(display, window, place.x, place.y);
  XFlush(display);
}

void nameWindowClass() {
  Display* display = glXGetCurrentDisplay();
  const Window window = glXGetCurrentDrawable();
  if (display == nullptr || window == 0) return;
  char name[] = "gyrotrak";
  char className[] = "Gyrotrak";
  XClassHint hint = {name, className};
  XSetClassHint(display, window, &hint);
}

const char* desktopResources() {
  Display* display = glXGetCurrentDisplay();
  return display != nullptr ? XResourceManagerString(display) : nullptr;
}

void followMonitorHeight(void (*heightChanged)(int height)) {
  followed.tellHeight = heightChanged;
  followed.display = glXGetCurrentDisplay();
  followed.window = glXGetCurrentDrawable();
  if (followed.display == nullptr || followed.window == 0) return;
  followed.screen = wholeScreen(followed.display);
  followed.monitorCount = listMonitors(followed.display, followed.monitors);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(followed.display, followed.window, &attributes))
    followed.place = {0, 0, attributes.width, attributes.height};
  readPlace();
  tellMonitorHeight();
  glutPositionFunc(windowMoved);
}

void followMonitorSize(int width, int height) {
  if (followed.display == nullptr) return;
  followed.place.width = width;
  followed.place.height = height;
  tellMonitorHeight();
}
