#pragma once

// The previous picture, kept for the next frame. Screen blanking darkens the previous picture
// and the pile-up mode draws onto it, but what the back buffer holds after a buffer swap is the
// driver's choice. So the picture is kept the way this driver allows (window/keeping_policy.h):
// in the window's back buffer where the swap keeps it, else in a framebuffer object. Between
// frames the framebuffer the picture lives in stays bound, so that what input callbacks draw at
// once (the message line) lands in the picture that will be shown.

#include "window/keeping_policy.h"
#include "window/window.h"

// showPicture, releasePicture and followWindowSize are declared in window/window.h.

// How the picture is kept now.
PictureKeeping pictureKeeping();

// Whether a framebuffer object is held for the picture.
bool pictureResourcesHeld();

// What the swaps have shown since start-up.
struct KeepingRecord {
  int swapsChecked;  // swaps drawn into the window whose result was checked or asked
  int swapsLost;     // of those, swaps after which the back buffer did not hold the picture
};
KeepingRecord keepingRecord();

// For the tests and the benchmark: keep the picture this way from now on, whatever the swaps
// show, or, given PictureKeeping::undecided, let the driver and the swaps decide again, as at a
// new window size. The swap way is checked as the driver allows either way.
void fixPictureKeeping(PictureKeeping way);
