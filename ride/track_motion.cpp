// Riding the track: moving along the points and putting the camera on the ride.

#include <cmath>

#include "base/parameters.h"
#include "ride/angles.h"
#include "ride/camera.h"
#include "ride/track.h"

namespace {

// a + (b - a) * f per coordinate, in single precision.
Vector3 between(const TrackPoint& a, const TrackPoint& b, float f) {
  return {a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f, a.z + (b.z - a.z) * f};
}

}  // namespace

void Track::advance(float seconds, const Parameters& parameters) {
  const float k = (highestY - position.y) * 13 + 1;
  const float step = 7 * k * seconds * parameters.mainSpeed;
  const float advanced = fraction + step;
  if (!std::isfinite(advanced)) return;

  // Whole points passed, taken off in one go. For any fraction below 2^24 subtracting the
  // whole part is exact, so this gives the same segment and fraction as taking off one point
  // at a time, without a loop that would never end once 1 no longer changes the float.
  fraction = advanced;
  if (fraction >= 1) {
    const double whole = std::floor(static_cast<double>(fraction));
    fraction = static_cast<float>(fraction - whole);
    const int passed = static_cast<int>(std::fmod(whole, pointCount));
    segment = (segment + passed) % pointCount;
  }

  const int i0 = segment;
  const int i1 = i0 == pointCount - 1 ? 0 : i0 + 1;
  const int i2 = i1 == pointCount - 1 ? 0 : i1 + 1;
  position = between(points[i0], points[i1], fraction);
  const Vector3 ahead = between(points[i1], points[i2], fraction);

  const float dx = ahead.x - position.x;
  const float dy = ahead.y - position.y;
  const float dz = ahead.z - position.z;
  const float length = std::sqrt(dx * dx + dy * dy + dz * dz);
  // Coincident points have no direction; the last one stays.
  if (length > 0) direction = {dx / length, dy / length, dz / length};
}

void Track::placeCamera(Camera& c) {
  float p;
  float h;
  directionAngles(direction.x, direction.y, direction.z, p, h);
  c.position = position;
  // The camera pitches only 70 % of the way with the track; the heading follows it fully.
  c.pitch = p * 0.7f / radiansPerDegree;
  c.heading = h / radiansPerDegree;
}
