#include "controls/setting_step.h"

#include <cfloat>
#include <cmath>

namespace {

// The step's result as a float, or the old value when the result does not fit in one.
float storedOr(double next, float value) {
  return std::fabs(next) <= FLT_MAX ? static_cast<float>(next) : value;
}

}  // namespace

float scaledSetting(float value, double factor) {
  const double next = value * factor;
  if (next != 0 && std::fabs(next) < FLT_MIN) return value;
  return storedOr(next, value);
}

float shiftedSetting(float value, double amount) {
  return storedOr(value + amount, value);
}
