#include "ride/track.h"

void Track::draw(float, float) {}
