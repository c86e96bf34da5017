#pragma once

// How the previous picture is kept for the next frame: one way per driver, chosen from what it
// says, at start-up and at every new window size (see window/window.h for which runs where).
// With buffer age the swap chain may change with the size (a full-screen window is often
// flipped, a smaller one copied), so the choice is made again; a software driver whose swap
// once lost the picture at a steady size keeps it in the framebuffer object for good. Drivers
// hand back fresh buffers at a new size: a picture lost in the first swaps after a resize (or
// at start-up), or with a new size already on its way, only restarts from black, as the resize
// itself does. In a multisampled window the buffer age vouches for nothing the next frame draws
// over, so there the framebuffer object takes its place.
//
// On llvmpipe a few dozen pixels at the edges of blended shapes come out differently in a
// framebuffer object, which it stores the other way up from the window, so the reference
// pictures come from the window.

#include "window/driver_report.h"

enum class PictureKeeping {
  undecided,   // no size known yet
  swap,        // drawn into the window; the swap keeps the back buffer
  framebuffer  // drawn into a framebuffer object, copied to the window before each swap
};

// Swaps at a new size that may lose the picture because of the resize, not of the driver.
constexpr int settlingSwaps = 2;

// Written only by the functions below (and by tests that set a starting point).
struct KeepingPolicy {
  PictureKeeping way = PictureKeeping::undecided;
  int swapsAtSize = 0;              // swaps since the window's size last changed
  bool framebufferForGood = false;  // a software driver lost the picture at a steady size
};

// A new window size: the way is chosen again from what the driver says.
void followResize(KeepingPolicy& policy, const DriverReport& driver);

// Follows one swap made while drawing into the window: kept is whether the back buffer held
// the picture after it, resizing whether a new size was already on its way. Returns whether the
// picture was lost, so that the next frame starts from black.
bool followSwap(KeepingPolicy& policy, const DriverReport& driver, bool kept, bool resizing);
