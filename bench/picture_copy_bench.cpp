// What keeping the previous picture costs the way the program chooses for the driver: whole
// frames ended through it, beside frames ended by the plain swap. Run under a display, e.g.
//   Xvfb :9 -screen 0 1920x1080x24 & DISPLAY=:9 LIBGL_ALWAYS_SOFTWARE=1
//   build/.../picture_copy_bench
// ./benchmark also runs it under the driver stand-in as a hardware driver without buffer age,
// which keeps the picture in a framebuffer object.

#include <GL/freeglut.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "base/frame_clock.h"
#include "bench/bench_window.h"
#include "frame/frame.h"
#include "window/window.h"
#include "window/window_internal.h"

namespace {

using Clock = std::chrono::steady_clock;

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
  const int rounds = 7, calls = 20;
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

void measure(const char* label, const Timing& plain) {
  showPicture();  // makes the objects outside the timing
  const Timing kept = timePerCall([](int i) {
    runFrame(i);
    showPicture();
  });
  std::printf(
      "%-22s frame ended through it %6.2f ms (fastest %6.2f), %6.2f ms over the plain swap\n",
      label, kept.median, kept.fastest, kept.median - plain.median);
}

}  // namespace

int main(int argc, char** argv) {
  benchwindow::startProgramFullScreen(&argc, argv);
  std::printf("%s, window %d x %d\n", glGetString(GL_RENDERER), windowWidth, windowHeight);
  const Timing plain = timePerCall([](int i) {
    runFrame(i);
    glutSwapBuffers();
  });
  std::printf("%-22s %6.2f ms\n", "frame, plain swap", plain.median);
  measure(pictureKeeping() == PictureKeeping::framebuffer ? "framebuffer object" : "swap, checked",
          plain);
  return 0;
}
