#include "window/keeping_policy.h"

PictureKeeping safeWay(const KeepingMeans& means) {
  if (means.blit) return PictureKeeping::copyAround;
  return means.textures ? PictureKeeping::textures : PictureKeeping::none;
}

PictureKeeping startingWay(const KeepingMeans& means) {
  return means.swapPromised ? PictureKeeping::swap : safeWay(means);
}

void followSwap(KeepingPolicy& policy, SwapVerdict verdict, const KeepingMeans& means) {
  if (policy.way == PictureKeeping::undecided) return;
  if (policy.way == PictureKeeping::swap) {
    if (verdict.kept) return;
    policy.way = safeWay(means);
    policy.passes = 0;
    policy.neededPasses =
        policy.neededPasses * 2 < maxNeededPasses ? policy.neededPasses * 2 : maxNeededPasses;
    return;
  }
  if (!verdict.kept) {
    policy.passes = 0;
    return;
  }
  if (!verdict.conclusive) return;
  policy.passes += 1;
  if (policy.passes >= policy.neededPasses) {
    policy.way = PictureKeeping::swap;
    policy.passes = 0;
  }
}

void followResize(KeepingPolicy& policy, const KeepingMeans& means) {
  policy.passes = 0;
  if (policy.way != PictureKeeping::undecided) policy.way = startingWay(means);
}
