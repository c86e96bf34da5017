#include "window/full_screen.h"

#include <GL/glut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "window/window.h"

namespace {

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

}  // namespace

bool windowManagerRuns(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  const Window named = checkWindowOf(display, DefaultRootWindow(display), check);
  return named != None && checkWindowOf(display, named, check) == named;
}

ScreenRectangle windowCentredOn(ScreenRectangle monitor, int width, int height) {
  const int x = width < monitor.width ? monitor.x + (monitor.width - width) / 2 : monitor.x;
  const int y = height < monitor.height ? monitor.y + (monitor.height - height) / 2 : monitor.y;
  return {x, y, width, height};
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
