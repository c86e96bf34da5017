// The previous picture, kept for the next frame (blanking darkens it, pile-up draws onto it)
// however the driver's swap treats the back buffer. Between frames the framebuffer the picture
// lives in stays bound, so that what input callbacks draw at once lands in the kept picture.
#include <GL/glut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdint>

#include "base/parameters.h"
#include "window/window_internal.h"

namespace {

// Everything below is written only by this file's functions; releasePicture starts it again.
struct KeptPicture {
  DriverReport driver = {false, true, false};
  int driverKnown = 0;
  KeepingPolicy policy;
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

int limited(int length) {
  return length < maxSampleLineLength ? length : maxSampleLineLength;
}

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
  if (followSwap(kept.policy, kept.driver, keptPicture, resizing)) pictureLost = 1;
  if (kept.policy.way != way) makeWhatTheWayNeeds();
}

void showFromFramebuffer() {
  copyPictureToWindow(kept.picture);
  glutSwapBuffers();
  bindPictureFramebuffer(kept.picture.framebuffer);
}

void showFromBackBuffer() {
  const bool sampling =
      !kept.driver.bufferAge && kept.layout.pixels > 0 && kept.policy.way == PictureKeeping::swap;
  if (sampling) readSamples(shownSamples);
  glutSwapBuffers();
  if (kept.driver.bufferAge && kept.policy.way == PictureKeeping::swap) {
    // A driver hands back a fresh buffer (age 0) at a new size, which may have come before the
    // toolkit passed it on.
    const bool aged = backBufferAge() == 1;
    noteSwap(aged, !aged && resizePending());
  } else if (sampling) {
    // The software driver takes the window's size at its first look after the swap, and a read
    // would clip to the size before and then read the new buffer: a clear of nothing makes it
    // look first (see window/window.h). A window destroyed meanwhile ends the program there.
    glClear(0);
    readSamples(afterSamples);
    const bool same = std::equal(shownSamples, shownSamples + kept.layout.pixels, afterSamples);
    noteSwap(same, !same && resizePending());
  }
}

}  // namespace

void followResize(KeepingPolicy& policy, const DriverReport& driver) {
  policy.swapsAtSize = 0;
  // The back buffer's age tells of the window's colour buffer, not of the multisample buffer
  // that a multisampled window's next frame draws over; the swap check reads the latter.
  const bool ageSaysNothing = driver.bufferAge && driver.multisampled;
  const bool framebuffer =
      policy.framebufferForGood || ageSaysNothing || (!driver.bufferAge && !driver.software);
  policy.way = framebuffer ? PictureKeeping::framebuffer : PictureKeeping::swap;
}

bool followSwap(KeepingPolicy& policy, const DriverReport& driver, bool keptPicture,
                bool resizing) {
  const bool settling = resizing || policy.swapsAtSize < settlingSwaps;
  policy.swapsAtSize += 1;
  if (keptPicture || policy.way != PictureKeeping::swap) return false;
  if (!settling) {
    policy.way = PictureKeeping::framebuffer;
    policy.framebufferForGood = !driver.bufferAge;
  }
  return true;
}

SampleLayout sampleLayout(int width, int height) {
  SampleLayout layout = {};
  if (width <= 0 || height <= 0) return layout;
  for (int k = 0; k < 4; ++k) {
    layout.lines[k] = {0, height * (2 * k + 1) / 8, limited(width), 1};
    layout.lines[4 + k] = {width * (2 * k + 1) / 8, 0, 1, limited(height)};
  }
  for (const SampleLine& line : layout.lines) layout.pixels += line.width * line.height;
  return layout;
}

int windowWidth = 0;
int windowHeight = 0;

void followWindowSize(int width, int height) {
  // What a resized back buffer holds is undefined: the next frame starts from black.
  if (width != windowWidth || height != windowHeight) pictureLost = 1;
  windowWidth = width;
  windowHeight = height;
  if (!kept.driverKnown) kept.driver = askDriver();
  kept.driverKnown = 1;
  const bool undecided = kept.policy.way == PictureKeeping::undecided;
  if (!undecided && width == kept.width && height == kept.height) return;
  kept.width = width;
  kept.height = height;
  kept.layout = sampleLayout(width, height);
  followResize(kept.policy, kept.driver);
  makeWhatTheWayNeeds();
}

void showPicture() {
  if (kept.policy.way == PictureKeeping::framebuffer)
    showFromFramebuffer();
  else
    showFromBackBuffer();
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

void releasePicture() {
  freePictureFramebuffer(kept.picture);
  bindPictureFramebuffer(0);
  kept = KeptPicture();
}

void useWholeWindowPixels(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // A window of no width or height shows nothing, but the projection must still be valid.
  glOrtho(0, width > 0 ? width : 1, 0, height > 0 ? height : 1, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
