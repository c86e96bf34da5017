// Drives the real program on a real window with a seeded random stream of every input it
// accepts, mixed with frames at random clock steps, and checks every frame: no OpenGL error,
// every camera, track and particle value finite, no frame whose work takes pathologically long
// (a watchdog, not a benchmark), resident memory flat after warm-up.
//
//   soak [--let-exit] [--untimed] [FRAMES [SEED]]
//
// Without --let-exit the exit is intercepted and the soak carries on; prints the figures and
// returns 0 when every check held. --untimed (the suite's short run) still prints the longest
// frame and the memory but checks neither: the suite asserts no timings or memory figures.
// With --let-exit the first exit the stream triggers ends the process, which must then end
// through the program's own exit with status 0; reaching the end of the frames returns 2.
#include <GL/freeglut.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "app/startup.h"
#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/program_exit.h"
#include "controls/keyboard.h"
#include "controls/menu.h"
#include "controls/pointer.h"
#include "controls/special_keys.h"
#include "frame/frame.h"
#include "tests/soak/soak_checks.h"
#include "textures/texture_table.h"
#include "window/window.h"

namespace {

const double watchdogMs = 250;
const long allowedGrowthKb = 8 * 1024;  // allocator and driver slack after warm-up

long exitRequests = 0;
int restartPending = 0;

// The program has released its textures and picture and would end here; the soak counts it and
// starts the program again in the same window after the frame.
void countExit(int) {
  ++exitRequests;
  restartPending = 1;
}

void restart() {
  textureCount = 0;
  initialise();
  restartPending = 0;
}

void displayNothing() {}

struct Figures {
  long frames = 0, keptFrames = 0, inputs = 0, glErrors = 0, nonFinite = 0, slowFrames = 0;
  double longestMs = 0;
  long rssStartKb = 0, rssWarmKb = 0, rssEndKb = 0;
};

class InputStream {
 public:
  explicit InputStream(unsigned seed) : engine(seed) {}

  int below(int n) { return static_cast<int>(engine() % static_cast<unsigned>(n)); }
  int between(int low, int high) { return low + below(high - low + 1); }

  // A pointer coordinate: mostly inside the window, sometimes far outside or negative.
  int coordinate() {
    switch (below(4)) {
      case 0:
        return between(-100000, 100000);
      case 1:
        return between(-5, 5);
      default:
        return between(0, 1100);
    }
  }

  // One input of any kind the program takes; returns how many it sent.
  void send() {
    const int x = coordinate(), y = coordinate();
    switch (below(9)) {
      case 0:
      case 1:
        keyboardCallback(static_cast<unsigned char>(below(256)), x, y);
        break;
      case 2:
        specialKeyCallback(between(-2, 130), x, y);
        break;
      case 3:
        specialKeyUpCallback(between(-2, 130), x, y);
        break;
      case 4:
      case 5:
        pointerMotionCallback(x, y);
        break;
      case 6:
        mouseButtonCallback(below(3), below(2) ? GLUT_DOWN : GLUT_UP, x, y);
        break;
      case 7:
        menuCallback(between(-3, 12));
        break;
      default:
        oddEvent();
        break;
    }
  }

  // The clock for the next frame: mostly steady, sometimes repeated, stalled or days on.
  int nextClock(int ms) {
    const int pick = below(1000);
    std::uint32_t next = static_cast<std::uint32_t>(ms);
    if (pick < 20) {
      // the same reading again
    } else if (pick < 40) {
      next += static_cast<std::uint32_t>(between(101, 20000));  // a stall
    } else if (pick < 42) {
      next = (1u << 31) - static_cast<std::uint32_t>(between(1, 5000));  // near the wrap
    } else {
      next += static_cast<std::uint32_t>(between(1, 40));
    }
    return static_cast<int>(next);
  }

 private:
  // Reshapes to odd sizes and resets.
  void oddEvent() {
    switch (below(6)) {
      case 0:
        reshape(1, 1);
        break;
      case 1:
        reshape(between(1, 2000), 0);
        break;
      case 2:
        reshape(7680, 4320);
        break;
      case 3:
        reshape(between(0, 2000), between(0, 2000));
        break;
      case 4:
        reshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
        break;
      default:
        keyboardCallback('r', 0, 0);
        break;
    }
  }

  std::mt19937 engine;
};

// The window keeps its size whatever the soak's reshapes tell the program. While the program's
// size is the window's own, the frame ends as the program's display ends it, keeping the picture
// across the swap; at the pretended sizes a plain swap ends it, since keeping pictures of sizes
// the window never has would only time copies of up to 7680 x 4320 that no user could cause.
// Returns whether the picture was kept.
bool endFrame() {
  if (windowWidth == glutGet(GLUT_WINDOW_WIDTH) && windowHeight == glutGet(GLUT_WINDOW_HEIGHT)) {
    showPicture();
    return true;
  }
  glutSwapBuffers();
  return false;
}

double runFrame() {
  const auto start = std::chrono::steady_clock::now();
  frame();
  glFinish();
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  return took.count();
}

Figures soak(long frames, unsigned seed) {
  InputStream stream(seed);
  Figures figures;
  figures.rssStartKb = residentKilobytes();
  const long warmUp = frames / 10;
  for (long i = 0; i < frames; ++i) {
    const int inputs = stream.below(4);
    for (int k = 0; k < inputs; ++k) stream.send();
    figures.inputs += inputs;
    elapsedMs = stream.nextClock(elapsedMs);
    const double ms = runFrame();
    if (restartPending) restart();
    figures.keptFrames += endFrame();
    glutMainLoopEvent();  // what the window system sent meanwhile, reshapes included
    ++figures.frames;

    if (ms > figures.longestMs) figures.longestMs = ms;
    if (ms > watchdogMs) ++figures.slowFrames;
    figures.glErrors += takeGlErrors();
    figures.nonFinite += countNonFiniteValues();
    if (i == warmUp) figures.rssWarmKb = residentKilobytes();
    if (frames >= 10000 && (i + 1) % (frames / 10) == 0) {
      std::printf("%8ld frames, resident memory %ld kB\n", i + 1, residentKilobytes());
      std::fflush(stdout);
    }
  }
  figures.rssEndKb = residentKilobytes();
  return figures;
}

bool report(const Figures& f, bool timed) {
  std::printf("frames soaked        %ld\n", f.frames);
  std::printf("picture kept in      %ld frames (the others at pretended window sizes)\n",
              f.keptFrames);
  std::printf("inputs sent          %ld\n", f.inputs);
  std::printf("exit requests        %ld (intercepted, the program started again)\n", exitRequests);
  std::printf("GL errors            %ld\n", f.glErrors);
  std::printf("non-finite values    %ld\n", f.nonFinite);
  std::printf("longest frame        %.1f ms (watchdog %.0f ms, %ld over)\n", f.longestMs,
              watchdogMs, f.slowFrames);
  std::printf("resident memory      %ld kB at start, %ld kB after warm-up, %ld kB at end\n",
              f.rssStartKb, f.rssWarmKb, f.rssEndKb);
  const bool flat = f.rssEndKb - f.rssWarmKb <= allowedGrowthKb;
  const bool inTime = f.slowFrames == 0 && flat;
  return f.glErrors == 0 && f.nonFinite == 0 && (inTime || !timed);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("GYROTRAK_FPS", "0", 1);  // as fast as the machine draws: no pace
  openWindow(&argc, argv, false, std::getenv("GYROTRAK_FPS"));
  // The soak runs the frames itself: the toolkit must not.
  glutDisplayFunc(displayNothing);
  glutIdleFunc(nullptr);

  bool letExit = false, timed = true;
  int first = 1;
  for (; first < argc && argv[first][0] == '-'; ++first) {
    letExit = letExit || std::strcmp(argv[first], "--let-exit") == 0;
    timed = timed && std::strcmp(argv[first], "--untimed") != 0;
  }
  const long frames = argc > first ? std::atol(argv[first]) : 100000;
  const unsigned seed = argc > first + 1 ? static_cast<unsigned>(std::atol(argv[first + 1])) : 1;
  if (!letExit) setExitFunction(countExit);

  if (chdir(GYROTRAK_DATA_DIR) != 0) return 1;
  setenv("GYROTRAK_SEED", "1", 1);
  initialise();
  watchGlErrors();
  takeGlErrors();

  const Figures figures = soak(frames, seed);
  if (letExit) {
    std::printf("no exit in %ld frames\n", figures.frames);
    return 2;
  }
  return report(figures, timed) ? 0 : 1;
}
