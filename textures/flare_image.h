#pragma once

// The flare's picture, drawn on the CPU with no GL: a bright round core and twenty rays
// through the centre that turn a little at every step. 128 x 128 texels of 4 bytes, row-major
// (row r, column c at byte r * 512 + c * 4); every write puts one value into all four bytes.
constexpr int flareSide = 128;
constexpr int flareBytes = flareSide * flareSide * 4;
constexpr int flareRayCount = 20;
constexpr int flareFalloffSize = 64;

struct FlareRay {
  float angle;      // radians
  float angleStep;  // radians added at every step
  float intensity;  // 0.5 to 1
};

struct FlareState {
  unsigned char image[flareBytes];
  FlareRay rays[flareRayCount];
  float rayFalloff[flareFalloffSize];  // entry n is 1 - n / 64
  int flareReady;                      // the rays, fall-off and core have been set up
  unsigned char core[flareBytes];      // the core alone, drawn once: every step starts from it
};

// One animation step. The first step draws every ray's angle, step and intensity from random()
// in that order, ray by ray, and fills the fall-off and the core; later steps draw nothing.
// Then it repaints the core over the whole image, turns the rays and draws them.
void stepFlareImage(FlareState& state);

// The core: white out to distance 6.4, falling linearly to 0 at 27.7, black beyond.
void drawFlareCore(unsigned char* image);

// One ray, a diameter at ray.angle fading outwards from the centre. A sample whose texel is
// already at least as bright is skipped together with its mirror image.
void drawFlareRay(unsigned char* image, const FlareRay& ray, const float* rayFalloff);
