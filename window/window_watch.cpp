#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>

#include "app/program_exit.h"
#include "window/window.h"

// Asks the server whether the watched window still exists (one round trip) and remembers a
// loss. True when no window is watched.
bool windowStillOpenNow();

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

namespace {

// Written by watchForWindowLoss; windowLost also by the error handler.
Display* display = nullptr;
GLXDrawable window = 0;
volatile sig_atomic_t windowLost = 0;

const int checkIntervalMs = 250;

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

// A request on the program's window that finds no such window or drawable means the window
// was destroyed (the toolkit's menus are windows of their own and do not count). The handler
// runs inside the X library, which must not be re-entered to end the program, so it only notes
// the loss. Other errors change nothing visible and are not worth a word.
int noteLostWindow(Display*, XErrorEvent* error) {
  const bool missing = error->error_code == BadWindow || error->error_code == BadDrawable;
  if (missing && error->resourceid == window) windowLost = 1;
  return 0;
}

const int crashSignals[] = {SIGSEGV, SIGBUS, SIGFPE};
struct sigaction actionsBefore[3];

// A crash after the window's loss was noted is the driver meeting the window's absence: it ends
// the program as the loss does, with status 0. Any other crash gets the handling in force
// before: the faulting instruction runs again under it, and a signal sent is sent again.
void endCrashAfterLoss(int signalNumber, siginfo_t* info, void*) {
  if (windowLost) _exit(0);
  for (int i = 0; i < 3; ++i)
    if (crashSignals[i] == signalNumber) sigaction(signalNumber, &actionsBefore[i], nullptr);
  if (info->si_code <= 0) raise(signalNumber);
}

void catchCrashesAfterLoss() {
  struct sigaction action = {};
  action.sa_sigaction = endCrashAfterLoss;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < 3; ++i) sigaction(crashSignals[i], &action, &actionsBefore[i]);
}

void checkWindow(int) {
  if (!windowStillOpenNow()) {
    exitProgram(0);
    return;
  }
  glutTimerFunc(checkIntervalMs, checkWindow, 0);
}

}  // namespace

// Mesa's software driver asks for its window's size with XGetGeometry after every swap and
// takes the answer even when the request failed, which leaves its width and height unset: for
// a window destroyed at that moment it went on to allocate and clear buffers of whatever size
// the stack held, gigabytes taking seconds. The program's executable exports this XGetGeometry
// (see CMakeLists.txt), so the driver calls it instead of the X library's: a failed request now
// answers a window of no size at its origin, and the error handler notes the loss.
extern "C" Status XGetGeometry(Display* display, Drawable drawable, Window* root, int* x, int* y,
                               unsigned* width, unsigned* height, unsigned* border,
                               unsigned* depth) {
  using Call = Status (*)(Display*, Drawable, Window*, int*, int*, unsigned*, unsigned*, unsigned*,
                          unsigned*);
  static const Call library = reinterpret_cast<Call>(dlsym(RTLD_NEXT, "XGetGeometry"));
  *root = 0;
  *x = *y = 0;
  *width = *height = *border = *depth = 0;
  return library(display, drawable, root, x, y, width, height, border, depth);
}

void quietenXErrors() {
  XSetErrorHandler(noteLostWindow);
}

void watchForWindowLoss() {
  display = glXGetCurrentDisplay();
  window = glXGetCurrentDrawable();
  if (display == nullptr || window == 0) return;
  XSetIOErrorHandler(endOnLostConnection);
  XSetErrorHandler(noteLostWindow);
  catchCrashesAfterLoss();
  glutTimerFunc(checkIntervalMs, checkWindow, 0);
}

bool windowStillOpenNow() {
  if (windowLost) return false;
  if (display == nullptr) return true;
  Window root = 0;
  int x = 0, y = 0;
  unsigned width = 0, height = 0, border = 0, depth = 0;
  // A round trip: the error for a destroyed window arrives before it returns.
  if (!XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth))
    windowLost = 1;
  return !windowLost;
}

bool windowLossNoticed() {
  return windowLost != 0;
}

void onCloseRequest(void (*closing)()) {
  glutCloseFunc(closing);
}
