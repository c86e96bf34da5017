#include "window/keeping_policy.h"

void followResize(KeepingPolicy& policy, const DriverReport& driver) {
  policy.swapsAtSize = 0;
  const bool framebuffer = policy.framebufferForGood || (!driver.bufferAge && !driver.software);
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
