#include "window/persistent_picture.h"

#include <cstdint>

#include "app/parameters.h"
#include "app/startup.h"
#include "window/picture_framebuffer.h"
#include "window/picture_textures.h"
#include "window/swap_check.h"
#include "window/swap_promise.h"
#include "window/window_loss.h"

namespace {

// Everything below is written only by this file's functions.
struct KeptPicture {
  KeepingPolicy policy;
  KeepingMeans means = {false, false, true};
  SwapPromise promise = {false, false};
  int meansKnown = 0;
  int fixed = 0;              // tests and the benchmark chose the way
  int width = 0, height = 0;  // the size the way and its objects are for
  PictureCopy copy = {0, 0, 0, 0};
  SampleLayout layout = {};
  int previousShown = 0;  // samples of a picture shown before at this size exist
  KeepingRecord record = {};
};
KeptPicture kept;

// Samples of the picture being shown, of the one shown before it, and of the back buffer after
// the swap. Static, so that checking a swap never allocates.
std::uint32_t sampleStore[3][maxSamplePixels];
std::uint32_t* shownSamples = sampleStore[0];
std::uint32_t* previousSamples = sampleStore[1];
std::uint32_t* afterSamples = sampleStore[2];

// Reads the sample lines of the window's front or back buffer, leaving the back buffer the one
// read from.
void readSamples(GLenum buffer, std::uint32_t* into) {
  glReadBuffer(buffer);
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
  if (buffer != GL_BACK) glReadBuffer(GL_BACK);
}

// Whether this swap kept the picture: the driver's answer where it gives one every frame,
// otherwise the samples.
SwapVerdict checkSwap() {
  if (kept.promise.bufferAge) {
    const bool one = backBufferAge() == 1;
    return {one, one};
  }
  readSamples(GL_BACK, afterSamples);
  return judgeSwap(shownSamples, kept.previousShown ? previousSamples : shownSamples, afterSamples,
                   kept.layout.pixels);
}

void learnMeans() {
  if (kept.meansKnown) return;
  kept.meansKnown = 1;
  kept.promise = askSwapPromise();
  kept.means.swapPromised = kept.promise.bufferAge || kept.promise.copySwap;
  kept.means.blit = framebufferBlitAvailable();
}

// Makes what the present way needs at the present size and frees the rest; a way whose
// objects cannot be made gives way to the next one down.
void makeWhatTheWayNeeds() {
  PictureKeeping& way = kept.policy.way;
  const bool sizeChanged = kept.copy.width != kept.width || kept.copy.height != kept.height;
  if (way != PictureKeeping::copyAround || sizeChanged) freePictureCopy(kept.copy);
  if (way == PictureKeeping::copyAround && kept.copy.framebuffer == 0 &&
      !makePictureCopy(kept.copy, kept.width, kept.height))
    way = PictureKeeping::textures;
  if (way != PictureKeeping::textures) releaseTextures();
  if (way == PictureKeeping::textures && !prepareTextures(kept.width, kept.height))
    way = PictureKeeping::none;
}

// A trusted swap lost the picture. The front buffer holds it where the driver lets it be read
// back, which the samples tell. Otherwise the next frame starts from black, as after a resize,
// rather than from whatever the back buffer holds now.
void recoverLostPicture() {
  kept.record.trustedLost += 1;
  if (kept.means.blit) {
    readSamples(GL_FRONT, afterSamples);
    if (judgeSwap(shownSamples, shownSamples, afterSamples, kept.layout.pixels).kept) {
      copyFrontToBack(kept.width, kept.height);
      kept.record.fromFront += 1;
      return;
    }
  }
  pictureLost = 1;
  kept.record.fromBlack += 1;
}

void startAtSize(int width, int height) {
  kept.width = width;
  kept.height = height;
  kept.layout = sampleLayout(width, height);
  kept.previousShown = 0;
}

// At start-up and whenever the window's size differs from the one the way was decided for.
void settleSize() {
  learnMeans();
  const bool undecided = kept.policy.way == PictureKeeping::undecided;
  if (!undecided && windowWidth == kept.width && windowHeight == kept.height) return;
  startAtSize(windowWidth, windowHeight);
  if (undecided)
    kept.policy.way = firstWay;
  else if (!kept.fixed)
    followResize(kept.policy, kept.means);
  makeWhatTheWayNeeds();
}

void keepBeforeSwap(PictureKeeping way) {
  if (way == PictureKeeping::copyAround)
    copyWindowToPictureCopy(kept.copy);
  else if (way == PictureKeeping::textures)
    copyWindowToTextures();
}

void layBackAfterSwap(PictureKeeping way) {
  if (way == PictureKeeping::copyAround)
    copyPictureCopyToWindow(kept.copy);
  else if (way == PictureKeeping::textures)
    drawTexturesToWindow();
}

void record(SwapVerdict verdict) {
  kept.record.swapsChecked += 1;
  if (!verdict.kept) kept.record.swapsLost += 1;
  std::uint32_t* spare = previousSamples;
  previousSamples = shownSamples;
  shownSamples = spare;
  kept.previousShown = 1;
}

}  // namespace

void showPicture(void (*swapBuffers)()) {
  settleSize();
  const PictureKeeping way = kept.policy.way;
  readSamples(GL_BACK, shownSamples);
  keepBeforeSwap(way);
  swapBuffers();
  // The check's reads are the driver's first look at the window since the swap: no other client
  // may take the window away meanwhile. A window already gone ends the program instead.
  const bool open = holdWindow();
  const SwapVerdict verdict = open ? checkSwap() : SwapVerdict{};
  releaseWindow();
  if (!open) return;
  layBackAfterSwap(way);
  if (way == PictureKeeping::swap && !verdict.kept) recoverLostPicture();
  if (!kept.fixed) {
    followSwap(kept.policy, verdict, kept.means);
    if (kept.policy.way != way) makeWhatTheWayNeeds();
  }
  record(verdict);
}

PictureKeeping pictureKeeping() {
  return kept.policy.way;
}

bool pictureResourcesHeld() {
  return kept.copy.framebuffer != 0 || pictureTileCount() > 0;
}

KeepingRecord keepingRecord() {
  return kept.record;
}

void fixPictureKeeping(PictureKeeping way) {
  learnMeans();
  kept.fixed = way != PictureKeeping::undecided;
  kept.policy = KeepingPolicy();
  startAtSize(windowWidth, windowHeight);
  kept.policy.way = kept.fixed ? way : startingWay(kept.means);
  makeWhatTheWayNeeds();
}

void releasePicture() {
  freePictureCopy(kept.copy);
  releaseTextures();
  const KeepingRecord record = kept.record;
  kept = KeptPicture();
  kept.record = record;
}
