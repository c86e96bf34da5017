#include "base/blend.h"

#include <cmath>

float cosineBlend(float a, float b, float t) {
  // pi as the single-precision 3.1415927 and the product in float; the cosine in double, and
  // the weight rounded to float before it is used.
  const double angle = t * 3.1415927f;
  const float weight = static_cast<float>((1.0 - std::cos(angle)) * 0.5);
  return (1 - weight) * a + weight * b;
}

float linearBlend(float a, float b, float t) {
  return (1 - t) * a + t * b;
}
