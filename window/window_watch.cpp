// The window the ride is drawn in, and the window system taking it away. A host's window gets
// the toolkit's window as a child, so the program draws in it as in a window of its own. A
// connection of the layer's own watches both windows' events (StructureNotify), read without
// waiting four times a second on the toolkit's timer, which runs while no frame is drawn too.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "base/program_exit.h"
#include "window/window_internal.h"

namespace {

// GLX's error numbers for a drawable or window that does not exist, after its error base.
constexpr int glxBadDrawable = 2, glxBadWindow = 12;
constexpr int watchIntervalMs = 250;

// Written by findHostWindow, enterHostWindow and watchForWindowLoss, then by the events read.
struct Watched {
  Display* watcher = nullptr;  // the connection that watches
  Display* toolkit = nullptr;  // the toolkit's connection
  Window host = 0;             // the host's window; 0 for a window of the program's own
  Window own = 0;              // the program's window; 0 until it is watched
  int glxErrorBase = -1000;
  int hostWidth = 0, hostHeight = 0;
  bool hostMapped = true;
  Window ownParent = 0;  // the program's window's parent, mapping and size as last told
  bool ownMapped = false;
  int ownWidth = 0, ownHeight = 0;
  void (*tellSeen)(bool) = nullptr;  // written by followVisibility
  bool ownSeen = true, seen = true;  // the toolkit's window status, and what was told
};
Watched watched;

// An error that says the program's window or the host's is gone ends the program at once,
// inside the failing request, before the driver or the toolkit can use its answer: nothing is
// left to draw or to save. Any other error changes nothing visible and is not worth a word:
// those of the toolkit's start-up, those for its menus (windows of their own), and, before the
// watching starts, findHostWindow's look at a window ID that names none.
int endOnLostWindow(Display*, XErrorEvent* error) {
  const int code = error->error_code - watched.glxErrorBase;
  const bool missing = error->error_code == BadWindow || error->error_code == BadDrawable ||
                       code == glxBadDrawable || code == glxBadWindow;
  const XID about = error->resourceid;
  if (missing && watched.own != 0 && (about == watched.own || about == watched.host)) _exit(0);
  return 0;
}

// The connection is gone: nothing more can be drawn or read. The X library ends the process
// if this returns, so it ends it here, its own way. The toolkit's and the driver's teardown at
// exit still try the dead connection and the X library complains about each try on the error
// stream; the user closed the window, so those complaints go nowhere.
int endOnLostConnection(Display*) {
  // The first exit's teardown can meet the dead connection again; exiting twice is undefined.
  static int ending = 0;
  if (ending++) _exit(0);
  const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (nowhere >= 0) dup2(nowhere, STDERR_FILENO);
  exitProgram(0);
  return 0;
}

// One line for the user where the display cannot be opened: what is missing and what to set.
void sayNoDisplay(const char* displayName, char (&error)[128]) {
  const char* name = XDisplayName(displayName);
  if (*name == '\0')
    std::snprintf(error, sizeof error,
                  "gyrotrak: no X display to draw on; set DISPLAY, or give -display NAME");
  else
    std::snprintf(error, sizeof error,
                  "gyrotrak: cannot open X display %.40s; set DISPLAY or -display to a running one",
                  name);
}

// Starts watching the toolkit's current window; one round trip, so that a window already gone
// ends the program here and no later event is missed.
void watchOwnWindow() {
  if (watched.own != 0) return;
  watched.toolkit = glXGetCurrentDisplay();
  const Window own = glXGetCurrentDrawable();
  if (watched.toolkit == nullptr || own == 0) return;
  if (watched.watcher == nullptr) watched.watcher = XOpenDisplay(XDisplayString(watched.toolkit));
  if (watched.watcher == nullptr) return;
  int event = 0;
  glXQueryExtension(watched.toolkit, &watched.glxErrorBase, &event);
  watched.own = own;
  XSelectInput(watched.watcher, own, StructureNotifyMask);
  XSync(watched.watcher, False);
}

// Inside the host's window, filling it, mapped. The toolkit maps its window as a top-level one
// when it creates it; a window manager that takes it over (framing it, then letting it go when
// it is withdrawn) can leave it elsewhere, unmapped or at its first size: the events tell, and
// the window is put back. Its state is set as asked; the events that follow confirm it.
void enterHost() {
  watched.ownParent = watched.host;
  watched.ownMapped = true;
  watched.ownWidth = watched.hostWidth;
  watched.ownHeight = watched.hostHeight;
  XReparentWindow(watched.toolkit, watched.own, watched.host, 0, 0);
  XMoveResizeWindow(watched.toolkit, watched.own, 0, 0, watched.hostWidth, watched.hostHeight);
  XMapRaised(watched.toolkit, watched.own);
  XSync(watched.toolkit, False);
}

void updateSeen() {
  const bool now = watched.ownSeen && watched.hostMapped;
  if (now == watched.seen) return;
  watched.seen = now;
  if (watched.tellSeen != nullptr) watched.tellSeen(now);
}

// Reads the events the watching connection has received, without waiting.
void readEvents() {
  while (XEventsQueued(watched.watcher, QueuedAfterReading) > 0) {
    XEvent event;
    XNextEvent(watched.watcher, &event);
    const bool aboutHost = event.xany.window == watched.host;
    if (event.type == DestroyNotify) {
      exitProgram(0);
      return;
    } else if (event.type == ConfigureNotify) {
      (aboutHost ? watched.hostWidth : watched.ownWidth) = event.xconfigure.width;
      (aboutHost ? watched.hostHeight : watched.ownHeight) = event.xconfigure.height;
    } else if (event.type == MapNotify || event.type == UnmapNotify) {
      (aboutHost ? watched.hostMapped : watched.ownMapped) = event.type == MapNotify;
    } else if (event.type == ReparentNotify && !aboutHost) {
      watched.ownParent = event.xreparent.parent;
    }
  }
}

void watch(int) {
  readEvents();
  const bool filling = watched.ownParent == watched.host && watched.ownMapped &&
                       watched.ownWidth == watched.hostWidth &&
                       watched.ownHeight == watched.hostHeight;
  if (watched.host != 0 && !filling) enterHost();
  updateSeen();
  glutTimerFunc(watchIntervalMs, watch, 0);
}

void windowStatus(int status) {
  watched.ownSeen = status != GLUT_HIDDEN && status != GLUT_FULLY_COVERED;
  updateSeen();
}

}  // namespace

bool findHostWindow(Host kind, unsigned long windowId, const char* displayName,
                    char (&error)[128]) {
  quietenXErrors();
  // The toolkit would end the program with a line of its own, naming neither what is missing
  // nor what to set. The connection stays open to watch the window.
  watched.watcher = XOpenDisplay(displayName);
  if (watched.watcher == nullptr) sayNoDisplay(displayName, error);
  if (watched.watcher == nullptr || kind == Host::ownWindow) return watched.watcher != nullptr;
  const Window host = kind == Host::root ? DefaultRootWindow(watched.watcher) : windowId;
  XSelectInput(watched.watcher, host, StructureNotifyMask);
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(watched.watcher, host, &attributes)) {
    std::snprintf(error, sizeof error, "gyrotrak: no window 0x%lx on display %.80s", windowId,
                  XDisplayString(watched.watcher));
    XCloseDisplay(watched.watcher);
    watched.watcher = nullptr;
    return false;
  }
  watched.host = host;
  watched.hostWidth = attributes.width;
  watched.hostHeight = attributes.height;
  watched.hostMapped = attributes.map_state == IsViewable;
  return true;
}

bool windowIsHosted() {
  return watched.host != 0;
}

void enterHostWindow() {
  watchOwnWindow();
  if (!windowIsHosted() || watched.own == 0) return;
  // Withdrawn, a window manager lets it go; override-redirect, none takes it when it is mapped
  // again (on the root window, where a manager would).
  XWithdrawWindow(watched.toolkit, watched.own, DefaultScreen(watched.toolkit));
  XSetWindowAttributes attributes;
  attributes.override_redirect = True;
  XChangeWindowAttributes(watched.toolkit, watched.own, CWOverrideRedirect, &attributes);
  enterHost();
}

void quietenXErrors() {
  XSetErrorHandler(endOnLostWindow);
}

void watchForWindowLoss() {
  watchOwnWindow();
  if (watched.own == 0) return;
  XSetIOErrorHandler(endOnLostConnection);
  glutTimerFunc(watchIntervalMs, watch, 0);
}

void followVisibility(void (*seenChanged)(bool)) {
  watched.tellSeen = seenChanged;
  glutWindowStatusFunc(windowStatus);
}

void onCloseRequest(void (*closing)()) {
  glutCloseFunc(closing);
}
