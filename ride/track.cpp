#include "ride/track.h"

#include <cmath>
#include <cstdio>

#include "base/parameters.h"
#include "base/random.h"
#include "ride/angles.h"

Track track;

namespace {

// The guarded arctangent of n / d, in radians: atan of the ratio while it lies within [-1, 1],
// otherwise the arctangent of the inverse ratio moved by a quarter turn, which keeps the result
// accurate as d runs to 0. A 0 / 0 ratio has no direction and gives 0.
// The ratios are taken in float, the arctangent and the quarter turn in double, and the
// result rounded to float once.
float guardedArctangent(float n, float d) {
  if (n == 0 && d == 0) return 0;
  const float r = n / d;
  if (r >= -1 && r <= 1) return static_cast<float>(std::atan(static_cast<double>(r)));
  const double inverse = -d / n;
  if (r > 1) return static_cast<float>(std::atan(inverse) + halfPi);
  return static_cast<float>(std::atan(inverse) - halfPi);
}

}  // namespace

Track::Track() : pointCount(maxPoints), segment(0), fraction(0) {}

void Track::generate(float horizontalScale, float verticalScale, float verticalOffset) {
  // The draws and their order are part of the track's identity: X/Z as a pair until they
  // differ, then Y1, then Y2.
  int x = 1;
  int z = 1;
  while (x == z) {
    x = static_cast<int>(random(3) + 1);
    z = static_cast<int>(random(3) + 1);
  }
  const int y1 = static_cast<int>(random(5) + 5);
  const int y2 = static_cast<int>(random(5) + 5);
  buildShape(x, z, y1, y2, horizontalScale, verticalScale, verticalOffset);
}

void Track::buildShape(int x, int z, int y1, int y2, float horizontalScale, float verticalScale,
                       float verticalOffset) {
  frequencyX = x;
  frequencyZ = z;
  frequencyY1 = y1;
  frequencyY2 = y2;
  highestY = -99999;

  // Half a degree in radians, in double precision from the single-precision factor.
  const double step = (360.0 / pointCount) * static_cast<double>(radiansPerDegree);
  for (int i = 0; i < pointCount; i++) {
    const double t = i * step;
    TrackPoint& p = points[i];
    p.x = static_cast<float>((std::sin(t) + std::cos(frequencyX * t)) * horizontalScale);
    p.y = static_cast<float>(
        (std::cos(frequencyY1 * t) + std::sin(frequencyY2 * t)) * verticalScale + verticalOffset);
    p.z = static_cast<float>((std::cos(t) - std::sin(frequencyZ * t)) * horizontalScale);
    if (p.y > highestY) highestY = p.y;
  }

  for (int i = 0; i < pointCount; i++) {
    const TrackPoint& next = points[(i + 1) % pointCount];
    TrackPoint& p = points[i];
    float pitch;
    float heading;
    directionAngles(next.x - p.x, next.y - p.y, next.z - p.z, pitch, heading);
    p.pitch = pitch / radiansPerDegree;
    p.heading = heading / radiansPerDegree;
  }
}

void Track::writeNewTrackLine(char* line, std::size_t size) const {
  std::snprintf(line, size, "New Track: %1d %1d %1d %1d", frequencyX, frequencyZ, frequencyY1,
                frequencyY2);
}

void Track::directionAngles(float dx, float dy, float dz, float& pitch, float& heading) const {
  float h = guardedArctangent(dx, dz);
  if (dz < 0) h = h + pi;
  heading = pi - h;

  float m = guardedArctangent(dy, dz);
  if (dz < 0) m = -m;
  pitch = -m;
}
