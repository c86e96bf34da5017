#include "window/host_window.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

#include "app/program_exit.h"

namespace {

// Written by findHostWindow and the follow-up timer.
Display* watching = nullptr;  // the connection that watches the host's window
// The connection that found the display opens, for a window of the program's own, held until
// the toolkit has its own (endDisplayCheck).
Display* checking = nullptr;
Window host = 0;
int hostWidth = 0, hostHeight = 0;
bool hostMapped = true;

// Written by enterHostWindow.
Display* toolkitDisplay = nullptr;
Window own = 0;

// Written by followVisibility and the toolkit's window status.
void (*tellSeen)(bool) = nullptr;
bool ownSeen = true;
bool seen = true;

const int followIntervalMs = 250;

// One line for the user where the display cannot be opened: what is missing and what to set.
void sayNoDisplay(const char* displayName, char (&error)[128]) {
  const char* name = XDisplayName(displayName);
  if (*name == '\0') {
    std::snprintf(error, sizeof error,
                  "gyrotrak: no X display to draw on; set DISPLAY, or give -display NAME");
  } else {
    std::snprintf(error, sizeof error,
                  "gyrotrak: cannot open X display %.40s; set DISPLAY or -display to a running one",
                  name);
  }
}

int ignoreError(Display*, XErrorEvent*) {
  return 0;
}

// Reads the host's size and map state; false when the window no longer exists. Any error is
// the window's absence: the handler in force (the window-loss one, or ignoreError) lets the
// request just fail.
bool readHost() {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(watching, host, &attributes)) return false;
  hostWidth = attributes.width;
  hostHeight = attributes.height;
  hostMapped = attributes.map_state == IsViewable;
  return true;
}

void updateSeen() {
  const bool now = ownSeen && hostMapped;
  if (now == seen) return;
  seen = now;
  if (tellSeen != nullptr) tellSeen(seen);
}

// Whether our window is a mapped child of the host's window at its size.
bool inHost() {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(toolkitDisplay, own, &root, &parent, &children, &count)) return false;
  if (children != nullptr) XFree(children);
  XWindowAttributes attributes;
  return parent == host && XGetWindowAttributes(toolkitDisplay, own, &attributes) &&
         attributes.map_state != IsUnmapped && attributes.width == hostWidth &&
         attributes.height == hostHeight;
}

// Inside the host's window, filling it, mapped. The toolkit maps its window as a top-level one
// when it creates it; a window manager that takes it over (framing it, then letting it go when
// it is withdrawn) can leave it elsewhere, unmapped or at its first size, so this is checked
// again at every follow-up, which also follows the host's size.
void enterHost() {
  XReparentWindow(toolkitDisplay, own, host, 0, 0);
  XMoveResizeWindow(toolkitDisplay, own, 0, 0, hostWidth, hostHeight);
  XMapRaised(toolkitDisplay, own);
  XSync(toolkitDisplay, False);
}

void followHost(int) {
  if (!readHost()) {
    exitProgram(0);
    return;
  }
  if (!inHost()) enterHost();
  updateSeen();
  glutTimerFunc(followIntervalMs, followHost, 0);
}

void windowStatus(int status) {
  ownSeen = status != GLUT_HIDDEN && status != GLUT_FULLY_COVERED;
  updateSeen();
}

}  // namespace

bool findHostWindow(Host kind, unsigned long windowId, const char* displayName,
                    char (&error)[128]) {
  if (kind == Host::ownWindow) {
    // The toolkit would end the program with a line of its own, naming neither what is
    // missing nor what to set.
    checking = XOpenDisplay(displayName);
    if (checking == nullptr) sayNoDisplay(displayName, error);
    return checking != nullptr;
  }
  watching = XOpenDisplay(displayName);
  if (watching == nullptr) {
    sayNoDisplay(displayName, error);
    return false;
  }
  host = kind == Host::root ? DefaultRootWindow(watching) : windowId;
  XErrorHandler previous = XSetErrorHandler(ignoreError);
  const bool found = readHost();
  XSetErrorHandler(previous);
  if (!found) {
    std::snprintf(error, sizeof error, "gyrotrak: no window 0x%lx on display %.80s", windowId,
                  XDisplayString(watching));
    XCloseDisplay(watching);
    watching = nullptr;
    return false;
  }
  return true;
}

void endDisplayCheck() {
  if (checking != nullptr) XCloseDisplay(checking);
  checking = nullptr;
}

bool windowIsHosted() {
  return watching != nullptr;
}

void enterHostWindow() {
  toolkitDisplay = glXGetCurrentDisplay();
  own = glXGetCurrentDrawable();
  if (!windowIsHosted() || toolkitDisplay == nullptr || own == 0) return;
  // Withdrawn, a window manager lets it go; override-redirect, none takes it when it is mapped
  // again (on the root window, where a manager would).
  XWithdrawWindow(toolkitDisplay, own, DefaultScreen(toolkitDisplay));
  XSetWindowAttributes attributes;
  attributes.override_redirect = True;
  XChangeWindowAttributes(toolkitDisplay, own, CWOverrideRedirect, &attributes);
  enterHost();
  glutTimerFunc(followIntervalMs, followHost, 0);
}

void followVisibility(void (*seenChanged)(bool)) {
  tellSeen = seenChanged;
  glutWindowStatusFunc(windowStatus);
}
