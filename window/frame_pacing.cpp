#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <unistd.h>

#include <chrono>

#include "base/number_text.h"
#include "window/window_internal.h"

namespace {

FramePace pace{0, 0};  // written by startPacing and waitForFrameSlot

double steadyMs() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration<double, std::milli>(now).count();
}

// The display's current refresh rate, 0 where XRandR cannot tell (Xvfb says 0).
int refreshRate(Display* display) {
  int event = 0, error = 0;
  if (display == nullptr || !XRRQueryExtension(display, &event, &error)) return 0;
  XRRScreenConfiguration* config = XRRGetScreenInfo(display, DefaultRootWindow(display));
  if (config == nullptr) return 0;
  const short rate = XRRConfigCurrentRate(config);
  XRRFreeScreenConfigInfo(config);
  return rate;
}

bool offers(Display* display, const char* name) {
  return hasGlExtension(glXQueryExtensionsString(display, DefaultScreen(display)), name);
}

template <class Function>
Function lookUp(const char* name) {
  return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

// Swap interval 1 through whichever extension the driver offers. A software driver's swap may
// still not wait: the pace does the rest.
void tieSwapsToRefresh(Display* display, GLXDrawable drawable) {
  using Ext = void (*)(Display*, GLXDrawable, int);
  using Mesa = int (*)(unsigned int);
  using Sgi = int (*)(int);
  if (offers(display, "GLX_EXT_swap_control")) {
    if (auto f = lookUp<Ext>("glXSwapIntervalEXT")) f(display, drawable, 1);
  } else if (offers(display, "GLX_MESA_swap_control")) {
    if (auto f = lookUp<Mesa>("glXSwapIntervalMESA")) f(1);
  } else if (offers(display, "GLX_SGI_swap_control")) {
    if (auto f = lookUp<Sgi>("glXSwapIntervalSGI")) f(1);
  }
}

}  // namespace

double framePeriodMs(const char* fps, int refreshHz) {
  long long n = 0;
  if (readWholeNumber(fps, 0, mostFramesPerSecond, n)) return n == 0 ? 0 : 1000.0 / n;
  return 1000.0 / (refreshHz > 0 ? refreshHz : 60);
}

double waitBeforeFrame(FramePace& p, double nowMs) {
  if (p.periodMs <= 0) return 0;
  double start = p.dueMs > nowMs ? p.dueMs : nowMs;
  if (start - nowMs > p.periodMs) start = nowMs + p.periodMs;  // a clock that went back
  p.dueMs = start + p.periodMs;
  return start - nowMs;
}

void startPacing(const char* paceText) {
  Display* display = glXGetCurrentDisplay();
  pace.periodMs = framePeriodMs(paceText, refreshRate(display));
  pace.dueMs = 0;
  if (pace.periodMs > 0 && display != nullptr) tieSwapsToRefresh(display, glXGetCurrentDrawable());
}

void waitForFrameSlot() {
  const double wait = waitBeforeFrame(pace, steadyMs());
  if (wait > 0) usleep(static_cast<useconds_t>(wait * 1000));
}
