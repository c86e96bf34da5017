#include "window/window_loss.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include "base/program_exit.h"

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
  if (!windowStillOpen()) {
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

bool windowStillOpen() {
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
