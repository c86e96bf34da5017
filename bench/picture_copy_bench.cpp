// What keeping the previous picture costs: the copy into textures before the swap, laying it
// back after, and whole empty frames with and without it. Run under a display, e.g.
//   Xvfb :9 -screen 0 1024x768x24 & DISPLAY=:9 LIBGL_ALWAYS_SOFTWARE=1 build/.../picture_copy_bench

#include <GL/freeglut.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/frame.h"
#include "app/frame_clock.h"
#include "app/persistent_picture.h"
#include "app/startup.h"

namespace {

using Clock = std::chrono::steady_clock;

void displayNothing() {}
void swapNothing() {}

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Milliseconds per call of step, with the GPU's work finished inside the timing: the median
// and the fastest of several rounds, since other work on the machine disturbs single rounds.
struct Timing {
  double median, fastest;
};

template <typename Step>
Timing timePerCall(Step step) {
  const int rounds = 9, calls = 40;
  std::vector<double> perCall;
  for (int round = 0; round < rounds; ++round) {
    glFinish();
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < calls; ++i) step(round * calls + i);
    glFinish();
    perCall.push_back(millisecondsSince(start) / calls);
  }
  std::sort(perCall.begin(), perCall.end());
  return {perCall[rounds / 2], perCall[0]};
}

void runFrame(int i) {
  elapsedMs = 5000 + i * 16;
  frame();
}

void measure(const char* label, int textureSideLimit) {
  limitPictureTextureSide(textureSideLimit);
  showPicture(swapNothing);  // makes the textures outside the timing
  // The copy and the lay-back together, without a real swap in between.
  const Timing keep = timePerCall([](int) { showPicture(swapNothing); });
  const Timing plain = timePerCall([](int i) {
    runFrame(i);
    glutSwapBuffers();
  });
  const Timing kept = timePerCall([](int i) {
    runFrame(i);
    showPicture();
  });
  std::printf(
      "%-13s %2d tile(s): keep + lay back %5.2f ms (fastest %5.2f); empty frame with "
      "plain swap %5.2f ms (%4.0f/s), kept %5.2f ms (%4.0f/s)\n",
      label, pictureTileCount(), keep.median, keep.fastest, plain.median, 1000 / plain.median,
      kept.median, 1000 / kept.median);
}

}  // namespace

int main(int argc, char** argv) {
  openWindow(&argc, argv);
  glutDisplayFunc(displayNothing);
  glutIdleFunc(nullptr);
  for (int i = 0; i < 5000 && windowWidth != glutGet(GLUT_SCREEN_WIDTH); ++i) {
    glutMainLoopEvent();
    usleep(1000);
  }
  glutSwapBuffers();
  if (chdir(GYROTRAK_DATA_DIR) != 0) std::printf("data folder missing: no font\n");
  initialise();
  std::printf("%s, window %d x %d\n", glGetString(GL_RENDERER), windowWidth, windowHeight);
  measure("one texture", 0);
  measure("tiles of 512", 512);
  measure("tiles of 256", 256);
  return 0;
}
