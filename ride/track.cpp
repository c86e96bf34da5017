#include "ride/track.h"

Track::Track() : pointCount(maxPoints), segment(0), fraction(0) {}

void Track::generate(float, float, float) {}

void Track::directionAngles(float, float, float, float& pitch, float& heading) const {
  pitch = 0;
  heading = 0;
}

void Track::advance(float, const Parameters&) {}

void Track::placeCamera(Camera&) {}
