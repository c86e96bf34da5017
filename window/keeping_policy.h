#pragma once

// How the previous picture is kept for the next frame, and when to change how: the cheapest way
// the driver allows, chosen from what the driver says and from what the swaps are seen to do.
// The swap is trusted only after a run of conclusive checks and is checked on every frame after
// that, so a driver that stops keeping the picture is noticed at the swap where it stops.
//
// The frame always draws into the window. Drawing into a framebuffer object instead and
// blitting it once per frame would be cheaper than copying around, but under Mesa's llvmpipe
// such a picture differs from the window's by a level or two of colour on a few dozen pixels of
// each frame (with or without GL_MESA_framebuffer_flip_y), so it is not a way of keeping the
// same picture.

#include "window/swap_check.h"

enum class PictureKeeping {
  undecided,   // nothing shown yet
  swap,        // the driver's swap keeps the back buffer: nothing is copied
  copyAround,  // copied aside with a blit before the swap and blitted back after it
  textures,    // copied into textures before the swap and drawn back after it
  none         // nothing here can keep it: the swap alone decides
};

// What this context and window offer.
struct KeepingMeans {
  bool swapPromised;  // the driver says its swap keeps the back buffer
  bool blit;          // framebuffer objects with blitting
  bool textures;      // textures can hold the window's picture
};

constexpr int firstNeededPasses = 16;
constexpr int maxNeededPasses = 1024;

// Written only by the functions below (and by tests that set a starting point).
struct KeepingPolicy {
  PictureKeeping way = PictureKeeping::undecided;
  int passes = 0;  // conclusive kept swaps in a row while the swap is not trusted
  int neededPasses = firstNeededPasses;  // passes before the swap is trusted
};

// The way to keep the picture when the swap is not trusted: copying around with blits, or the
// textures where there are no blits.
PictureKeeping safeWay(const KeepingMeans& means);

// The way to start with at every new window size: a promised swap is trusted at once (and
// checked like any other); otherwise the picture is kept safely while the swap proves itself.
PictureKeeping startingWay(const KeepingMeans& means);

// The way to start the program with: the swap, trusted and checked. The program fades in from
// black, so the first pictures are black or nearly so, and losing one to a spoiling swap costs
// nothing that shows; keeping them safely would cost a copy of the whole window, and the
// renderer's set-up of the copying, before the first picture could show.
constexpr PictureKeeping firstWay = PictureKeeping::swap;

// Follows one swap's verdict. A trusted swap that loses the picture is trusted again only after
// twice as many passes as before (up to maxNeededPasses).
void followSwap(KeepingPolicy& policy, SwapVerdict verdict, const KeepingMeans& means);

// Follows a change of the window's size: the swap has to prove itself again.
void followResize(KeepingPolicy& policy, const KeepingMeans& means);
