// What the ride's computations cost per call: generating a track, advancing the ride at an
// ordinary and at an absurd speed, and computing the ribbon's 360 quads and the globe's
// vertices. No display needed.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "base/parameters.h"
#include "ride/sphere.h"
#include "ride/track.h"
#include "ride/track_ribbon.h"

namespace {

using Clock = std::chrono::steady_clock;

Track benchTrack;
Parameters benchParameters;
volatile float sink;

// Nanoseconds per call of step: the median of several rounds.
template <typename Step>
double nanosecondsPerCall(int calls, Step step) {
  std::vector<double> rounds;
  for (int round = 0; round < 9; ++round) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < calls; ++i) step();
    rounds.push_back(std::chrono::duration<double, std::nano>(Clock::now() - start).count() /
                     calls);
  }
  std::sort(rounds.begin(), rounds.end());
  return rounds[rounds.size() / 2];
}

}  // namespace

int main() {
  benchTrack.generate(0.5f, 0.1f, 0.25f);

  const double generate = nanosecondsPerCall(200, [] { benchTrack.generate(0.5f, 0.1f, 0.25f); });

  benchParameters.mainSpeed = 1;
  const double advance = nanosecondsPerCall(100000, [] {
    benchTrack.advance(0.016f, benchParameters);
    sink = benchTrack.position.x;
  });

  benchParameters.mainSpeed = 1e30f;
  const double advanceFast = nanosecondsPerCall(100000, [] {
    benchTrack.advance(0.016f, benchParameters);
    sink = benchTrack.position.x;
  });

  const double ribbon = nanosecondsPerCall(1000, [] {
    float sum = 0;
    for (int i = 0; i < benchTrack.pointCount; i += 2)
      sum += ribbonQuad(benchTrack, i, 1).vertices[2].x;
    sink = sum;
  });

  const double globe = nanosecondsPerCall(1000, [] {
    double sum = 0;
    for (int band = 0; band <= 8; band++)
      for (int column = 9; column >= -1; column--)
        sum += sphereVertex(0.01, 10, 10, 1, 1, 0, 0, band, column, true).x;
    sink = static_cast<float>(sum);
  });

  std::printf("track generate            %9.1f us\n", generate / 1000);
  std::printf("ride advance, speed 1     %9.1f ns\n", advance);
  std::printf("ride advance, speed 1e30  %9.1f ns\n", advanceFast);
  std::printf("ribbon quads, one frame   %9.1f us\n", ribbon / 1000);
  std::printf("globe vertices, tess 10   %9.1f us (one ring of each band)\n", globe / 1000);
  return 0;
}
