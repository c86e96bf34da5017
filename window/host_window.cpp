#include "window/host_window.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

#include "app/program_exit.h"

namespace {

// Written by findHostWindow and the follow-up timer.
Display* watching = nullptr;  // the connection that watches the host's window
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

void followHost(int) {
  const int width = hostWidth, height = hostHeight;
  if (!readHost()) {
    exitProgram(0);
    return;
  }
  if (width != hostWidth || height != hostHeight) {
    XResizeWindow(toolkitDisplay, own, hostWidth, hostHeight);
    XFlush(toolkitDisplay);
  }
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
  if (kind == Host::ownWindow) return true;
  watching = XOpenDisplay(displayName);
  if (watching == nullptr) {
    std::snprintf(error, sizeof error, "gyrotrak: cannot open display %.80s",
                  XDisplayName(displayName));
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

bool windowIsHosted() {
  return watching != nullptr;
}

void enterHostWindow() {
  toolkitDisplay = glXGetCurrentDisplay();
  own = glXGetCurrentDrawable();
  if (!windowIsHosted() || toolkitDisplay == nullptr || own == 0) return;
  // Withdrawn, no window manager frames it; override-redirect, none takes it back when it is
  // mapped again (on the root window, where a manager would).
  XWithdrawWindow(toolkitDisplay, own, DefaultScreen(toolkitDisplay));
  XSetWindowAttributes attributes;
  attributes.override_redirect = True;
  XChangeWindowAttributes(toolkitDisplay, own, CWOverrideRedirect, &attributes);
  XReparentWindow(toolkitDisplay, own, host, 0, 0);
  XResizeWindow(toolkitDisplay, own, hostWidth, hostHeight);
  XMapRaised(toolkitDisplay, own);
  XSync(toolkitDisplay, False);
  glutTimerFunc(followIntervalMs, followHost, 0);
}

void followVisibility(void (*seenChanged)(bool)) {
  tellSeen = seenChanged;
  glutWindowStatusFunc(windowStatus);
}
