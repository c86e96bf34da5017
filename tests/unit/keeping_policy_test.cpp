#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "window/window_internal.h"

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

// Each driver's story as a line of steps: R a new window size, k a swap that kept the picture,
// l one that lost it, p one that lost it with a new size already on its way; then ! where the
// next frame must start from black, and the way after the step (s swap, f framebuffer).
TEST(KeepingPolicy, OneWayPerDriverChosenAtEachSizeFromWhatTheDriverSays) {
  struct Story {
    DriverReport driver;
    const char* steps;
  };
  const Story stories[] = {
      // Buffer age: losses while a new size settles restart the picture; later ones move it
      // into the framebuffer object until the next size, which asks the driver again.
      {{true, false, false}, "Rs l!s l!s ks p!s l!f kf lf Rs ks ks ks l!f Rs"},
      {{true, true, false}, "Rs ks ks ks ks"},
      // A hardware renderer without it, or a multisampled window whose age tells nothing of its
      // multisample buffer: the framebuffer object always.
      {{false, false, false}, "Rf lf kf Rf"},
      {{true, false, true}, "Rf kf Rf"},
      // A software one: losses while settling or with a resize on its way restart the picture;
      // one at a steady size moves it into the framebuffer object for good. Its swap check
      // reads the multisample buffer, so it holds for a multisampled window too.
      {{false, true, false}, "Rs l!s l!s ks p!s ks l!f kf Rf lf"},
      {{false, true, true}, "Rs l!s ks p!s l!f Rf"},
  };
  for (const Story& story : stories) {
    SCOPED_TRACE(story.steps);
    KeepingPolicy policy;
    std::istringstream steps(story.steps);
    for (std::string step; steps >> step;) {
      bool lost = false;
      if (step[0] == 'R')
        followResize(policy, story.driver);
      else
        lost = followSwap(policy, story.driver, step[0] == 'k', step[0] == 'p');
      EXPECT_EQ(lost, step[1] == '!') << step;
      const char way = policy.way == PictureKeeping::framebuffer ? 'f' : 's';
      EXPECT_EQ(way, step.back()) << step;
    }
  }
}

TEST(DriverReport, SoftwareFromTheDriversWordElseFromTheRenderersName) {
  EXPECT_TRUE(isSoftwareRenderer(0, "AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6)"));
  EXPECT_FALSE(isSoftwareRenderer(1, "llvmpipe (LLVM 15.0.6, 256 bits)"));
  EXPECT_TRUE(isSoftwareRenderer(-1, "llvmpipe (LLVM 15.0.6, 256 bits)"));
  EXPECT_TRUE(isSoftwareRenderer(-1, "Software Rasterizer"));
  EXPECT_FALSE(isSoftwareRenderer(-1, "NVIDIA GeForce RTX 3060/PCIe/SSE2"));
  EXPECT_TRUE(isSoftwareRenderer(-1, nullptr));
}
