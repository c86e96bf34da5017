#pragma once

// The previous picture, kept for the next frame. Screen blanking darkens the previous picture
// and the pile-up mode draws onto it, but what the back buffer holds after a buffer swap is the
// driver's choice: a copying swap keeps the picture, a flipping one leaves an older picture,
// and a resized window or some drivers leave undefined content.
//
// So the picture is kept the cheapest way this driver allows (see window/keeping_policy.h): not at
// all where the swap keeps it, which the driver may promise (GLX_EXT_buffer_age answering 1, or
// the copying swap method) or the swaps prove (window/swap_check.h), and at start-up, where the
// fade-in hides a lost picture; else by copying it aside with a blit before the swap and back
// after it; else in textures. Every swap is checked, so a swap that stops keeping the picture is
// noticed at once. The picture is back in the back buffer
// before anything else draws: input callbacks may draw a message at once.

#include "window/keeping_policy.h"
#include "window/window.h"

// showPicture and releasePicture are declared in window/window.h.

// How the picture is kept now.
PictureKeeping pictureKeeping();

// Whether anything is held for keeping the picture (a framebuffer object or textures).
bool pictureResourcesHeld();

// What the checks have seen since start-up.
struct KeepingRecord {
  int swapsChecked;  // swaps whose result was checked
  int swapsLost;     // of those, swaps after which the back buffer did not hold the picture
  int trustedLost;   // of those, swaps that were trusted to keep it: a driver that changed
  int fromFront;     // trusted swaps whose picture was taken back from the front buffer
  int fromBlack;     // trusted swaps after which the next frame started from black instead
};
KeepingRecord keepingRecord();

// For the tests and the benchmark: keep the picture this way from now on, whatever the swaps
// show (as far as the context allows), or, given PictureKeeping::undecided, let the driver and
// the swaps decide again, as at a new window size.
void fixPictureKeeping(PictureKeeping way);
