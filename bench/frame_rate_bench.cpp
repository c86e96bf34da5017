// The frame rate of the real frame on a real full-screen window, beside a floor frame that does
// only what any implementation of the ride must: the depth clear, one full-window blanking
// overlay at the default alpha, 2000 tiny quads (the order of work of the particles and the
// stars) and the swap. The two alternate in rounds in the same window, so that other work on a
// shared machine falls on both alike, and the medians of the rounds are reported. Run under a
// display at the size to measure (./benchmark starts Xvfb servers):
//   frame_rate_bench [seconds per round] [rounds]
// The picture is kept the way the program chooses for the driver; ./benchmark also runs it under
// the driver stand-in as a hardware driver without buffer age, which keeps the picture in a
// framebuffer object.
// Ends with "frame-vs-floor WxH: R", the full frame's rate over the floor's.

#include <GL/freeglut.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "bench/bench_window.h"
#include "bench/spread.h"
#include "effects/particle_effects.h"
#include "frame/frame.h"
#include "frame/screen_overlay.h"
#include "window/window.h"
#include "window/window_internal.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// CPU seconds of the whole process, the renderer's threads included.
double cpuSeconds() {
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// The program's clock runs on from 20 s, past the fade-in and the start-up title, as a
// running program's does.
const int clockStartMs = 20000;
Clock::time_point benchStart;

void advanceProgramClock() {
  elapsedMs = clockStartMs + static_cast<int>(secondsSince(benchStart) * 1000);
}

// The display callback's work with the program's clock.
void fullFrame() {
  advanceProgramClock();
  frame();
  showPicture();
}

// 2000 quads of 2 x 2 pixels spread over the window, placed once.
std::vector<float> quadCorners;

void placeQuads() {
  unsigned int state = 12345;
  auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return (state >> 8 & 0xffff) / 65536.0f;
  };
  for (int i = 0; i < 2000; ++i) {
    quadCorners.push_back(next() * (windowWidth - 2));
    quadCorners.push_back(next() * (windowHeight - 2));
  }
}

void floorFrame() {
  glClear(GL_DEPTH_BUFFER_BIT);
  screenOverlay(0.5f * (1 / 60.0f) * 40);  // the default intensity at 60 frames a second
  useWholeWindowPixels(windowWidth, windowHeight);
  glEnable(GL_BLEND);
  glBegin(GL_QUADS);
  for (size_t i = 0; i < quadCorners.size(); i += 2) {
    const float x = quadCorners[i], y = quadCorners[i + 1];
    glColor4f(0.3f + i % 7 * 0.1f, 0.8f, 0.5f, 0.7f);
    glVertex2f(x, y);
    glVertex2f(x + 2, y);
    glVertex2f(x + 2, y + 2);
    glVertex2f(x, y + 2);
  }
  glEnd();
  glDisable(GL_BLEND);
  glutSwapBuffers();
}

struct Rate {
  double framesPerSecond, cpuMsPerFrame;
};

// Runs a kind of frame for about the given time.
template <typename Frame>
Rate runFor(double seconds, Frame frameOnce) {
  glFinish();
  const Clock::time_point start = Clock::now();
  const double cpuStart = cpuSeconds();
  int frames = 0;
  while (frames < 3 || secondsSince(start) < seconds) {
    frameOnce();
    ++frames;
  }
  glFinish();
  const double wall = secondsSince(start);
  return {frames / wall, (cpuSeconds() - cpuStart) * 1000 / frames};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Comparison {
  double full, floor, fullCpu, floorCpu;
  bench::Spread ratio;     // full frames a second over the floor's, round by round
  bench::Spread cpuRatio;  // the floor's CPU time a frame over the full frame's
};

// Alternates the two kinds of frame, the order swapping every round.
Comparison compare(double seconds, int rounds) {
  std::vector<double> full, floor, fullCpu, floorCpu, ratios, cpuRatios;
  for (int round = 0; round < rounds; ++round) {
    Rate a, b;
    if (round % 2 == 0) {
      a = runFor(seconds, fullFrame);
      b = runFor(seconds, floorFrame);
    } else {
      b = runFor(seconds, floorFrame);
      a = runFor(seconds, fullFrame);
    }
    full.push_back(a.framesPerSecond);
    floor.push_back(b.framesPerSecond);
    fullCpu.push_back(a.cpuMsPerFrame);
    floorCpu.push_back(b.cpuMsPerFrame);
    ratios.push_back(a.framesPerSecond / b.framesPerSecond);
    cpuRatios.push_back(b.cpuMsPerFrame / a.cpuMsPerFrame);
  }
  return {median(full),     median(floor),           median(fullCpu),
          median(floorCpu), bench::spreadOf(ratios), bench::spreadOf(cpuRatios)};
}

void report(const char* what, const Comparison& c, int rounds) {
  std::printf("%-34s %7.1f frames/s %6.2f ms CPU/frame | floor %7.1f frames/s %6.2f ms CPU/frame\n",
              what, c.full, c.fullCpu, c.floor, c.floorCpu);
  std::printf("%-34s ratio ", "");
  bench::printSpread(c.ratio);
  std::printf(", CPU ratio ");
  bench::printSpread(c.cpuRatio);
  std::printf(" (medians and quartiles of %d rounds)\n", rounds);
}

const char* wayName(PictureKeeping way) {
  switch (way) {
    case PictureKeeping::swap:
      return "the swap keeps it, checked every frame";
    case PictureKeeping::framebuffer:
      return "drawn into a framebuffer object, blitted every frame";
    default:
      return "undecided";
  }
}

// The frame with one part left out, to see what each part costs.
void frameWithoutParticles() {
  for (ParticleSystem* system : {&fountain, &groundGlows, &smoke, &motes}) {
    system->clear();
    system->seeded = 1;
  }
  fullFrame();
}

void frameWithoutStars() {
  params.universeOn = 0;
  fullFrame();
  params.universeOn = 1;
}

// The frame with the heavier settings one at a time and together.
void frameWithFinerGlobe() {
  params.tesselation = 40;
  fullFrame();
  params.tesselation = 10;
}

void frameWithLight() {
  params.spotlightsOn = 1;
  fullFrame();
  params.spotlightsOn = 0;
}

void frameWithBoth() {
  params.tesselation = 40;
  frameWithLight();
  params.tesselation = 10;
}

// The frame ended by the plain swap, without the keeping's check.
void frameWithPlainSwap() {
  advanceProgramClock();
  frame();
  glutSwapBuffers();
}

// Milliseconds per frame of each kind, wall clock and CPU, medians of rounds taken in turn.
void reportWhereTheTimeGoes(double seconds, int rounds) {
  struct Part {
    const char* name;
    void (*frameOnce)();
    std::vector<double> wall, cpu;
  };
  Part parts[] = {{"full frame", fullFrame, {}, {}},
                  {"without the particles", frameWithoutParticles, {}, {}},
                  {"without the stars", frameWithoutStars, {}, {}},
                  {"without the swap's check", frameWithPlainSwap, {}, {}},
                  {"tesselation 40", frameWithFinerGlobe, {}, {}},
                  {"light", frameWithLight, {}, {}},
                  {"both", frameWithBoth, {}, {}},
                  {"floor frame", floorFrame, {}, {}}};
  for (int round = 0; round < rounds; ++round)
    for (Part& part : parts) {
      const Rate rate = runFor(seconds / 2, part.frameOnce);
      part.wall.push_back(1000 / rate.framesPerSecond);
      part.cpu.push_back(rate.cpuMsPerFrame);
    }
  std::printf("where the time goes, ms per frame (CPU ms per frame):\n");
  for (Part& part : parts)
    std::printf("  %-26s %6.2f (%6.2f)\n", part.name, median(part.wall), median(part.cpu));
  clearParticleEffects();  // the next frame seeds the still systems again
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 1.0;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 9;
  int toolkitArgc = 1;
  benchwindow::startProgramFullScreen(&toolkitArgc, argv);
  placeQuads();
  benchStart = Clock::now();

  // Warm-up: the renderer compiles its variants.
  runFor(1.0, fullFrame);
  runFor(0.3, floorFrame);
  const PictureKeeping way = pictureKeeping();
  const KeepingRecord checks = keepingRecord();

  const Comparison usual = compare(seconds, rounds);
  std::printf("window %d x %d, picture %s (%d swaps checked in the warm-up, %d lost)\n",
              windowWidth, windowHeight, wayName(way), checks.swapsChecked, checks.swapsLost);
  report("full frame, settings after reset", usual, rounds);

  // The heaviest settings a user is likely to run with.
  params.tesselation = 40;
  params.spotlightsOn = 1;
  params.fogOn = 1;
  params.letterbox = 0;
  runFor(0.3, fullFrame);
  report("full frame, tesselation 40, light", compare(seconds, rounds), rounds);

  params.tesselation = 10;
  params.spotlightsOn = 0;
  reportWhereTheTimeGoes(seconds, rounds);

  const KeepingRecord after = keepingRecord();
  std::printf("swaps checked in all %d, lost %d\n", after.swapsChecked, after.swapsLost);
  std::printf("frame-vs-floor %dx%d: %.2f\n", windowWidth, windowHeight, usual.ratio.median);
  return 0;
}
