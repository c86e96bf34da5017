#include "window/picture_keeping.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdint>

#include "base/parameters.h"
#include "window/picture_framebuffer.h"
#include "window/swap_check.h"
#include "window/window_loss.h"

namespace {

// Everything below is written only by this file's functions.
struct KeptPicture {
  DriverReport driver = {false, true, false};
  int driverKnown = 0;
  KeepingPolicy policy;
  int fixed = 0;              // tests and the benchmark chose the way
  int width = 0, height = 0;  // the window's size, as the reshape gave it
  PictureFramebuffer picture = {0, 0, 0, 0, 0, false};
  SampleLayout layout = {};
  KeepingRecord record = {};
};
KeptPicture kept;

// Samples of the picture being shown and of the back buffer after the swap. Static, so that
// checking a swap never allocates.
std::uint32_t shownSamples[maxSamplePixels];
std::uint32_t afterSamples[maxSamplePixels];

void readSamples(std::uint32_t* into) {
  glReadBuffer(GL_BACK);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glPixelStorei(GL_PACK_SKIP_ROWS, 0);
  glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
  int at = 0;
  for (const SampleLine& line : kept.layout.lines) {
    if (line.width <= 0 || line.height <= 0) continue;
    glReadPixels(line.x, line.y, line.width, line.height, GL_BGRA, GL_UNSIGNED_BYTE, into + at);
    at += line.width * line.height;
  }
  glPopClientAttrib();
}

struct SizeLook {
  Window window;
  int width, height;
  bool found;
};

// Notes a new size of the window among the queued events, leaving every event in the queue.
Bool notesNewSize(Display*, XEvent* event, XPointer argument) {
  SizeLook& look = *reinterpret_cast<SizeLook*>(argument);
  const XConfigureEvent& configure = event->xconfigure;
  if (event->type == ConfigureNotify && configure.window == look.window &&
      (configure.width != look.width || configure.height != look.height))
    look.found = true;
  return False;
}

// Whether the window system has told of another size that the toolkit has not passed on yet.
// The driver learnt the size from the server before it answered (the check's first look after
// the swap waits for it; a fresh buffer's age comes with the size), so the news has reached the
// connection already: only what it holds is read, no round trip.
bool resizePending() {
  Display* display = glXGetCurrentDisplay();
  SizeLook look = {glXGetCurrentDrawable(), kept.width, kept.height, false};
  if (display == nullptr || look.window == 0) return false;
  XEvent unused;
  XCheckIfEvent(display, &unused, notesNewSize, reinterpret_cast<XPointer>(&look));
  return look.found;
}

void learnDriver() {
  if (kept.driverKnown) return;
  kept.driverKnown = 1;
  kept.driver = askDriver();
}

// Makes or frees the framebuffer object as the way needs it at the present size, and binds the
// framebuffer the next frame draws into. Where the object cannot be made, the back buffer is
// all there is.
void makeWhatTheWayNeeds() {
  const bool wanted = kept.policy.way == PictureKeeping::framebuffer;
  const bool fits = kept.picture.width == kept.width && kept.picture.height == kept.height;
  if (kept.picture.framebuffer && (!wanted || !fits)) freePictureFramebuffer(kept.picture);
  if (wanted && !kept.picture.framebuffer &&
      !makePictureFramebuffer(kept.picture, kept.width, kept.height, kept.driver.multisampled))
    kept.policy.way = PictureKeeping::swap;
  bindPictureFramebuffer(kept.picture.framebuffer);
}

void noteSwap(bool keptPicture, bool resizing) {
  kept.record.swapsChecked += 1;
  if (!keptPicture) kept.record.swapsLost += 1;
  const PictureKeeping way = kept.policy.way;
  const bool lost =
      kept.fixed ? !keptPicture : followSwap(kept.policy, kept.driver, keptPicture, resizing);
  if (lost) pictureLost = 1;
  if (kept.policy.way != way) makeWhatTheWayNeeds();
}

void showFromFramebuffer(void (*swapBuffers)()) {
  copyPictureToWindow(kept.picture);
  swapBuffers();
  if (!windowLossNoticed()) bindPictureFramebuffer(kept.picture.framebuffer);
}

void showFromBackBuffer(void (*swapBuffers)()) {
  const bool sampling =
      !kept.driver.bufferAge && kept.layout.pixels > 0 && kept.policy.way == PictureKeeping::swap;
  if (sampling) readSamples(shownSamples);
  swapBuffers();
  if (windowLossNoticed()) return;
  if (kept.driver.bufferAge && kept.policy.way == PictureKeeping::swap) {
    // A driver hands back a fresh buffer (age 0) at a new size, which may have come before the
    // toolkit passed it on.
    const bool aged = backBufferAge() == 1;
    noteSwap(aged, !aged && resizePending());
  } else if (sampling) {
    // The software driver takes the window's size at its first look after the swap, and a read
    // would clip to the size before and then read the new buffer: a clear of nothing makes it
    // look first. A window destroyed meanwhile is noticed there.
    glClear(0);
    if (windowLossNoticed()) return;
    readSamples(afterSamples);
    const bool same = swapKeptPicture(shownSamples, afterSamples, kept.layout.pixels);
    noteSwap(same, !same && resizePending());
  }
}

}  // namespace

int windowWidth = 0;
int windowHeight = 0;

void followWindowSize(int width, int height) {
  // What a resized back buffer holds is undefined: the next frame starts from black.
  if (width != windowWidth || height != windowHeight) pictureLost = 1;
  windowWidth = width;
  windowHeight = height;
  learnDriver();
  const bool undecided = kept.policy.way == PictureKeeping::undecided;
  if (!undecided && width == kept.width && height == kept.height) return;
  kept.width = width;
  kept.height = height;
  kept.layout = sampleLayout(width, height);
  if (kept.fixed)
    kept.policy.swapsAtSize = 0;
  else
    followResize(kept.policy, kept.driver);
  makeWhatTheWayNeeds();
}

void showPicture(void (*swapBuffers)()) {
  if (kept.policy.way == PictureKeeping::framebuffer)
    showFromFramebuffer(swapBuffers);
  else
    showFromBackBuffer(swapBuffers);
}

PictureKeeping pictureKeeping() {
  return kept.policy.way;
}

bool pictureResourcesHeld() {
  return kept.picture.framebuffer != 0;
}

KeepingRecord keepingRecord() {
  return kept.record;
}

void fixPictureKeeping(PictureKeeping way) {
  learnDriver();
  kept.fixed = way != PictureKeeping::undecided;
  kept.policy = KeepingPolicy();
  followResize(kept.policy, kept.driver);
  if (kept.fixed) kept.policy.way = way;
  makeWhatTheWayNeeds();
  pictureLost = 1;
}

void releasePicture() {
  freePictureFramebuffer(kept.picture);
  bindPictureFramebuffer(0);
  kept.policy = KeepingPolicy();
  kept.fixed = 0;
}
