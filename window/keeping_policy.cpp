#include "window/keeping_policy.h"

void followResize(KeepingPolicy& policy, const DriverReport& driver) {
  policy.swapsAtSize = 0;
  // The back buffer's age tells of the window's colour buffer, not of the multisample buffer
  // that a multisampled window's next frame draws over; the swap check reads the latter.
  const bool ageSaysNothing = driver.bufferAge && driver.multisampled;
  const bool framebuffer =
      policy.framebufferForGood || ageSaysNothing || (!driver.bufferAge && !driver.software);
  policy.way = framebuffer ? PictureKeeping::framebuffer : PictureKeeping::swap;
}

bool followSwap(KeepingPolicy& policy, const DriverReport& driver, bool kept, bool resizing) {
  const bool settling = resizing || policy.swapsAtSize < settlingSwaps;
  policy.swapsAtSize += 1;
  if (kept || policy.way != PictureKeeping::swap) return false;
  if (!settling) {
    policy.way = PictureKeeping::framebuffer;
    policy.framebufferForGood = !driver.bufferAge;
  }
  return true;
}
