#include "window/keeping_policy.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "window/swap_check.h"

namespace {

using Samples = std::vector<std::uint32_t>;

SwapVerdict judge(const Samples& shown, const Samples& previous, const Samples& after) {
  return judgeSwap(shown.data(), previous.data(), after.data(), static_cast<int>(shown.size()));
}

const SwapVerdict conclusivePass = {true, true};
const SwapVerdict inconclusivePass = {true, false};
const SwapVerdict lost = {false, false};
const KeepingMeans blits = {false, true, true};

void follow(KeepingPolicy& policy, SwapVerdict verdict, int times, const KeepingMeans& means) {
  for (int i = 0; i < times; ++i) followSwap(policy, verdict, means);
}

}  // namespace

TEST(SampleLayout, FourRowsAndFourColumnsInsideTheWindow) {
  const SampleLayout layout = sampleLayout(1920, 1080);
  EXPECT_EQ(layout.lines[0].y, 135);
  EXPECT_EQ(layout.lines[3].y, 945);
  EXPECT_EQ(layout.lines[3].width, 1920);
  EXPECT_EQ(layout.lines[4].x, 240);
  EXPECT_EQ(layout.lines[7].x, 1680);
  EXPECT_EQ(layout.lines[7].height, 1080);
  EXPECT_EQ(layout.pixels, 4 * 1920 + 4 * 1080);
  // Longer lines are read in part, within the samples' storage; nothing in an empty window.
  EXPECT_EQ(sampleLayout(20000, 1).pixels, 4 * maxSampleLineLength + 4);
  EXPECT_EQ(sampleLayout(0, 768).pixels, 0);
}

TEST(SwapVerdict, KeptOnlyWhenEverySampleMatchesAndConclusiveOnlyWhenItCouldNotBeChance) {
  const Samples shown = {1, 2, 3, 4}, before = {1, 2, 3, 5};
  EXPECT_TRUE(judge(shown, before, shown).kept);
  EXPECT_TRUE(judge(shown, before, shown).conclusive);
  EXPECT_FALSE(judge(shown, before, {1, 2, 3, 0}).kept);
  // A flipping swap leaves the picture before: it matches where the two did not change.
  EXPECT_FALSE(judge(shown, before, before).kept);
  // A picture that did not change at the samples cannot tell a kept buffer from an old one,
  EXPECT_FALSE(judge(shown, shown, shown).conclusive);
  // nor can a picture of one colour tell it from a freshly filled one.
  EXPECT_FALSE(judge({7, 7, 7}, {6, 6, 6}, {7, 7, 7}).conclusive);
  EXPECT_TRUE(judge({7, 7, 7}, {6, 6, 6}, {7, 7, 7}).kept);
}

TEST(KeepingPolicy, StartsFromWhatTheDriverOffers) {
  EXPECT_EQ(startingWay({true, true, true}), PictureKeeping::swap);
  EXPECT_EQ(startingWay(blits), PictureKeeping::copyAround);
  EXPECT_EQ(startingWay({false, false, true}), PictureKeeping::textures);
  EXPECT_EQ(startingWay({false, false, false}), PictureKeeping::none);
}

TEST(KeepingPolicy, TrustsTheSwapAfterARunOfConclusivePasses) {
  KeepingPolicy policy;
  policy.way = PictureKeeping::copyAround;
  follow(policy, conclusivePass, firstNeededPasses - 1, blits);
  follow(policy, inconclusivePass, 50, blits);  // neither counts nor breaks the run
  EXPECT_EQ(policy.way, PictureKeeping::copyAround);
  followSwap(policy, conclusivePass, blits);
  EXPECT_EQ(policy.way, PictureKeeping::swap);

  // A lost swap while copying around starts the run again.
  policy.way = PictureKeeping::textures;
  follow(policy, conclusivePass, firstNeededPasses - 1, blits);
  followSwap(policy, lost, blits);
  follow(policy, conclusivePass, firstNeededPasses - 1, blits);
  EXPECT_EQ(policy.way, PictureKeeping::textures);
}

TEST(KeepingPolicy, ATrustedSwapThatLosesThePictureMustProveItselfTwiceAsLong) {
  KeepingPolicy policy;
  policy.way = PictureKeeping::swap;
  follow(policy, conclusivePass, 1000, blits);
  EXPECT_EQ(policy.way, PictureKeeping::swap);
  followSwap(policy, lost, blits);
  EXPECT_EQ(policy.way, PictureKeeping::copyAround);
  follow(policy, conclusivePass, 2 * firstNeededPasses - 1, blits);
  EXPECT_EQ(policy.way, PictureKeeping::copyAround);
  followSwap(policy, conclusivePass, blits);
  EXPECT_EQ(policy.way, PictureKeeping::swap);
  // Without blits the textures take over; the wait stops growing at its cap.
  for (int i = 0; i < 20; ++i) {
    policy.way = PictureKeeping::swap;
    followSwap(policy, lost, {false, false, true});
  }
  EXPECT_EQ(policy.way, PictureKeeping::textures);
  EXPECT_EQ(policy.neededPasses, maxNeededPasses);
}

TEST(KeepingPolicy, AResizeMakesTheSwapProveItselfAgainUnlessPromised) {
  KeepingPolicy policy;
  policy.way = PictureKeeping::swap;
  followResize(policy, blits);
  EXPECT_EQ(policy.way, PictureKeeping::copyAround);
  policy.way = PictureKeeping::swap;
  followResize(policy, {true, true, true});
  EXPECT_EQ(policy.way, PictureKeeping::swap);
  policy.way = PictureKeeping::undecided;
  followResize(policy, blits);
  EXPECT_EQ(policy.way, PictureKeeping::undecided);
}
