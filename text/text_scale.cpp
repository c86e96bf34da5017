#include "text/text_scale.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "base/number_text.h"

float textScale = 1;

namespace {

const float largestScale = 8;

// A positive decimal filling text (base/number_text.h), or 0.
double positiveNumber(const char* text) {
  double value = 0;
  return readDecimal(text, DBL_MIN, DBL_MAX, value) ? value : 0;
}

// The value of the resource named "Xft.dpi" in an X resource string of "name:\tvalue" lines.
double xftDpi(const char* resources) {
  const char* const name = "Xft.dpi:";
  for (const char* line = resources; line != nullptr && *line != '\0';) {
    if (std::strncmp(line, name, std::strlen(name)) == 0) {
      const char* value = line + std::strlen(name);
      while (*value == ' ' || *value == '\t') ++value;
      char text[32] = "";
      std::size_t length = std::strcspn(value, "\n");
      if (length < sizeof text) std::memcpy(text, value, length);
      return positiveNumber(text);
    }
    line = std::strchr(line, '\n');
    if (line != nullptr) ++line;
  }
  return 0;
}

float bounded(double scale) {
  if (scale < 1) return 1;
  return scale > largestScale ? largestScale : static_cast<float>(scale);
}

float nearestHalf(double scale) {
  return bounded(std::floor(scale * 2 + 0.5) / 2);
}

}  // namespace

float chooseTextScale(const char* gdkScale, const char* resources, int monitorHeight) {
  const double gdk = positiveNumber(gdkScale);
  if (gdk > 0) return nearestHalf(gdk);
  const double dpi = xftDpi(resources);
  if (dpi > 0) return nearestHalf(dpi / 96);
  return bounded(std::floor(monitorHeight / 1080.0));
}

short scaledPixels(double n, float scale) {
  return static_cast<short>(std::lround(n * scale));
}
