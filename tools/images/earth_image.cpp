#include <cmath>
#include <cstdint>

#include "picture.h"

// A made-up planet: value noise sampled on the sphere (so the map wraps round in longitude and
// does not pinch at the poles) gives continents and oceans, polar ice, and cloud bands that
// stretch along the lines of latitude. Everything is deterministic.
namespace {

const double pi = 3.14159265358979323846;

std::uint32_t hash(int x, int y, int z, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B1u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
  h = (h << 17) | (h >> 15);
  h ^= static_cast<std::uint32_t>(z) * 0x27D4EB2Fu;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double lattice(int x, int y, int z, std::uint32_t seed) {
  return (hash(x, y, z, seed) & 0xFFFFFFu) / double(0xFFFFFF);  // 0 .. 1
}

double smooth(double t) {
  return t * t * (3 - 2 * t);
}

double mix(double a, double b, double t) {
  return a + (b - a) * t;
}

// Trilinear value noise with smoothed weights, 0 .. 1.
double valueNoise(double x, double y, double z, std::uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
  const double tx = smooth(x - fx), ty = smooth(y - fy), tz = smooth(z - fz);
  double layer[2];
  for (int k = 0; k < 2; ++k) {
    const double a = mix(lattice(ix, iy, iz + k, seed), lattice(ix + 1, iy, iz + k, seed), tx);
    const double b =
        mix(lattice(ix, iy + 1, iz + k, seed), lattice(ix + 1, iy + 1, iz + k, seed), tx);
    layer[k] = mix(a, b, ty);
  }
  return mix(layer[0], layer[1], tz);
}

// Fractal sum of octaves, about 0 .. 1.
double fractalNoise(double x, double y, double z, int octaves, std::uint32_t seed) {
  double sum = 0, weight = 1, total = 0, scale = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * valueNoise(x * scale, y * scale, z * scale, seed + i);
    total += weight;
    weight *= 0.5;
    scale *= 2.03;
  }
  return sum / total;
}

double clamp01(double v) {
  return v < 0 ? 0 : (v > 1 ? 1 : v);
}

double smoothStep(double from, double to, double v) {
  return smooth(clamp01((v - from) / (to - from)));
}

}  // namespace

Picture makeEarthPicture(int side) {
  Picture picture(side, side);
  for (int y = 0; y < side; ++y) {
    const double latitude = (0.5 - (y + 0.5) / side) * pi;  // +pi/2 at the top
    for (int x = 0; x < side; ++x) {
      const double longitude = (x + 0.5) / side * 2 * pi;
      const double px = std::cos(latitude) * std::cos(longitude);
      const double py = std::cos(latitude) * std::sin(longitude);
      const double pz = std::sin(latitude);

      // Ground: continents where the low-frequency noise rises above sea level.
      const double relief = fractalNoise(px * 1.3 + 7, py * 1.3 + 3, pz * 1.3 + 5, 6, 11);
      const double land = smoothStep(0.515, 0.535, relief);
      const double depth = clamp01((0.515 - relief) * 6);
      const double ocean = 40 - 18 * depth;
      const double height = clamp01((relief - 0.53) * 6);
      const double ground =
          95 + 80 * height + 25 * (fractalNoise(px * 9, py * 9, pz * 9, 3, 23) - 0.5);
      double surface = mix(ocean, ground, land);

      // Ice near the poles, with a ragged edge.
      const double polar =
          std::fabs(pz) + 0.08 * (fractalNoise(px * 5, py * 5, pz * 5, 3, 31) - 0.5);
      surface = mix(surface, 225, smoothStep(0.965, 0.985, polar));

      // Clouds: noise squeezed along the polar axis streaks along latitude; bands of more
      // cloud at the equator and in the middle latitudes, clearer skies around 25 degrees.
      const double streaks = fractalNoise(px * 3, py * 3, pz * 10, 5, 47);
      const double band = 0.55 + 0.45 * std::cos(latitude * 7.2);
      const double cover = smoothStep(0.35, 0.7, streaks * (0.45 + 0.7 * band));
      const double grey = mix(surface, 240, cover * 0.85);

      picture.at(x, y) = static_cast<unsigned char>(clamp01(grey / 255) * 255 + 0.5);
    }
  }
  return picture;
}
