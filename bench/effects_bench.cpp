// What the particle effects and the stars cost: filling the two still systems (after every
// reset), one frame's emissions and updates, and, under a display, one frame's four particle
// draws and the star field. Run the drawing part under a display, e.g.
//   Xvfb :9 -screen 0 1024x768x24 & DISPLAY=:9 LIBGL_ALWAYS_SOFTWARE=1 build/.../effects_bench

#include <GL/freeglut.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/random.h"
#include "bench/bench_window.h"
#include "effects/particle_effects.h"
#include "effects/star_field.h"
#include "frame/projection.h"
#include "ride/camera.h"
#include "window/window.h"

namespace {

using Clock = std::chrono::steady_clock;

// Microseconds per call of step: the median of several rounds, with any drawing finished
// inside the timing.
template <typename Step>
double microsecondsPerCall(int calls, Step step) {
  std::vector<double> rounds;
  for (int round = 0; round < 9; ++round) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < calls; ++i) step();
    rounds.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                     calls);
  }
  std::sort(rounds.begin(), rounds.end());
  return rounds[rounds.size() / 2];
}

float frameTime = 10;

// The scene's per-frame particle work without the drawing, at 60 frames a second.
void emitAndUpdate() {
  frameTime += 1.0f / 60;
  motes.update(frameTime, params);
  fountain.emit(0.4f, 0, 0.4f, frameTime, params.mainSpeed);
  fountain.update(frameTime, params);
  smoke.emit(-0.4f, 0, -0.4f, frameTime, params.mainSpeed);
  smoke.update(frameTime, params);
}

void drawParticles() {
  motes.draw(params.objectSize, brightness, camera, frameTime);
  groundGlows.draw(params.objectSize, brightness, camera, frameTime);
  fountain.draw(params.objectSize, brightness, camera, frameTime);
  smoke.draw(params.objectSize, brightness, camera, frameTime);
  glFinish();
}

void fillStillSystems() {
  groundGlows.clear();
  motes.clear();
  seedGroundGlows(frameTime, 1);
  seedMotes(frameTime, 1);
}

int alive(const ParticleSystem& s) {
  int count = 0;
  for (const Particle& p : s.particles) count += p.alive;
  return count;
}

void openContext(int* argc, char** argv) {
  benchwindow::startProgramFullScreen(argc, argv);
  setUpProjection();
  applyView();
}

}  // namespace

int main(int argc, char** argv) {
  const bool display = std::getenv("DISPLAY") != nullptr;
  if (display) {
    openContext(&argc, argv);
  } else {
    resetParameters(params);
    setUpParticleEffects();  // texture names 0 without a context: the motion is the same
  }
  seedRandom(1);

  const double fill = microsecondsPerCall(20, fillStillSystems);
  for (int i = 0; i < 600; ++i) emitAndUpdate();  // ten seconds: the fountain at its full size
  const double step = microsecondsPerCall(1000, emitAndUpdate);
  std::printf("fill the two still systems (1000 emissions)  %8.1f us\n", fill);
  std::printf("one frame's emissions and three updates      %8.1f us (fountain %d, smoke %d)\n",
              step, alive(fountain), alive(smoke));
  if (!display) {
    std::printf("no display: drawing not measured\n");
    return 0;
  }
  std::printf("%s, window %d x %d\n", glGetString(GL_RENDERER), windowWidth, windowHeight);
  const double draws = microsecondsPerCall(20, drawParticles);
  const double stars = microsecondsPerCall(20, [] {
    starField.draw();
    glFinish();
  });
  std::printf("one frame's four particle draws (%4d live)  %8.1f us\n",
              alive(fountain) + alive(groundGlows) + alive(smoke) + alive(motes), draws);
  std::printf("star field, both copies                      %8.1f us\n", stars);
  return 0;
}
