#include "textures/flare_image.h"

#include <cmath>
#include <cstring>

#include "base/random.h"

namespace {

const int centre = 64;
const int raySamples = 63;  // n = 0 .. 62, which keeps every index within 2 .. 126

unsigned char* texelAt(unsigned char* image, int row, int column) {
  return image + row * flareSide * 4 + column * 4;
}

bool insideImage(int row, int column) {
  return row >= 0 && row < flareSide && column >= 0 && column < flareSide;
}

void setUpRays(FlareState& state) {
  state.flareReady = 1;
  for (FlareRay& ray : state.rays) {
    ray.angle = static_cast<float>(random(6.2831855f));
    ray.angleStep = static_cast<float>(random(0.1) - 0.05);
    ray.intensity = static_cast<float>(random(0.5) + 0.5);
  }
  for (int n = 0; n < flareFalloffSize; ++n) {
    state.rayFalloff[n] = static_cast<float>(256 - 4 * n) / 256;
  }
  drawFlareCore(state.core);
}

}  // namespace

void drawFlareCore(unsigned char* image) {
  for (int r = 0; r < flareSide; ++r) {
    for (int c = 0; c < flareSide; ++c) {
      const float dr = static_cast<float>(r - centre);
      const float dc = static_cast<float>(c - centre);
      const float d = std::sqrt(dr * dr + dc * dc);
      const float g = 1 - d / 64 + 0.1f;
      const float l = g > 1 ? 1 : g - 2 * (1 - g);
      const float v = l >= 0 ? l * 255 : 0;
      std::memset(texelAt(image, r, c), static_cast<int>(v), 4);
    }
  }
}

void drawFlareRay(unsigned char* image, const FlareRay& ray, const float* rayFalloff) {
  const float s = std::sin(ray.angle);
  const float k = std::cos(ray.angle);
  for (int n = 0; n < raySamples; ++n) {
    const int m = static_cast<int>(255 * rayFalloff[n] * ray.intensity);
    const int row = static_cast<int>(n * s + centre);
    const int column = static_cast<int>(n * k + centre);
    const int mirrorRow = static_cast<int>(-n * s + centre);
    const int mirrorColumn = static_cast<int>(-n * k + centre);
    // Cannot fail for n below 63; it keeps a wrong angle from writing outside the image.
    if (!insideImage(row, column) || !insideImage(mirrorRow, mirrorColumn)) continue;
    unsigned char* texel = texelAt(image, row, column);
    if (texel[0] >= m) continue;
    std::memset(texel, m, 4);
    std::memset(texelAt(image, mirrorRow, mirrorColumn), m, 4);
  }
}

void stepFlareImage(FlareState& state) {
  if (!state.flareReady) setUpRays(state);
  // The core never changes: copying it costs a fraction of drawing it again.
  std::memcpy(state.image, state.core, flareBytes);
  for (FlareRay& ray : state.rays) ray.angle += ray.angleStep;
  for (const FlareRay& ray : state.rays) drawFlareRay(state.image, ray, state.rayFalloff);
}
