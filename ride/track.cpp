#include "ride/track.h"

Track::Track() : pointCount(maxPoints), segment(0), fraction(0) {}

void Track::generate(float, float, float) {}
