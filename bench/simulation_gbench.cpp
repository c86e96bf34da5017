// The per-frame simulation without any drawing, with Google Benchmark: riding the track and
// posing the camera, the particle effects' three updates and two emissions of one frame, one
// flare image step, generating a track, placing one star of the star field, and one whole
// frame's simulation with the flare's step amortised (one step every 0.07 s or more of frames,
// at 60 frames a second every fifth frame).
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "base/parameters.h"
#include "base/random.h"
#include "effects/particle_effects.h"
#include "effects/star_field.h"
#include "ride/camera.h"
#include "ride/track.h"
#include "textures/flare_image.h"

namespace {

const float frameStep = 1.0f / 60;

struct Simulation {
  Track ride;
  Camera view;
  Parameters settings;
  std::unique_ptr<FlareState> flare = std::make_unique<FlareState>();
  float time = 10;
  float flareTimer = 0;

  Simulation() {
    resetParameters(settings);
    seedRandom(1);
    ride.generate(0.5f, 0.1f, 0.25f);
    std::memset(flare.get(), 0, sizeof(FlareState));
    setUpParticleEffects();  // texture names 0 without a context: the motion is the same
    seedGroundGlows(time, 1);
    seedMotes(time, 1);
    for (int i = 0; i < 600; ++i) particleFrame();  // ten seconds: the fountain at full size
  }

  void rideFrame() {
    ride.advance(frameStep, settings);
    ride.placeCamera(view);
  }

  void particleFrame() {
    time += frameStep;
    motes.update(time, settings);
    fountain.emit(0.4f, 0, 0.4f, time, settings.mainSpeed);
    fountain.update(time, settings);
    smoke.emit(-0.4f, 0, -0.4f, time, settings.mainSpeed);
    smoke.update(time, settings);
  }

  void flareTick() {
    flareTimer += frameStep;
    if (flareTimer > 0.07f) {
      flareTimer = 0;
      stepFlareImage(*flare);
    }
  }
};

void rideAndCamera(benchmark::State& state) {
  Simulation s;
  for (auto _ : state) {
    s.rideFrame();
    benchmark::DoNotOptimize(s.view.position);
  }
}
BENCHMARK(rideAndCamera);

void particleUpdatesAndEmissions(benchmark::State& state) {
  Simulation s;
  for (auto _ : state) {
    s.particleFrame();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(particleUpdatesAndEmissions);

void flareImageStep(benchmark::State& state) {
  Simulation s;
  for (auto _ : state) {
    stepFlareImage(*s.flare);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(flareImageStep);

void trackGenerate(benchmark::State& state) {
  Simulation s;
  for (auto _ : state) {
    s.ride.generate(0.5f, 0.1f, 0.25f);
    benchmark::DoNotOptimize(s.ride.highestY);
  }
}
BENCHMARK(trackGenerate);

void starFieldSampling(benchmark::State& state) {
  seedRandom(1);
  Star star;
  for (auto _ : state) {
    benchmark::DoNotOptimize(placeStar(1.5f, 0, upperHalfShell, star));
    benchmark::DoNotOptimize(star);
  }
}
BENCHMARK(starFieldSampling);

void oneFrameSimulation(benchmark::State& state) {
  Simulation s;
  for (auto _ : state) {
    s.rideFrame();
    s.particleFrame();
    s.flareTick();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(oneFrameSimulation);

}  // namespace

BENCHMARK_MAIN();
