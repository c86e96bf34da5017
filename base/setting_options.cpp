#include "base/setting_options.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/number_text.h"
#include "base/parameters.h"

SettingChoices chosenSettings;

namespace {

enum class Kind {
  number,       // low..high
  percentage,   // low..high per cent of a fraction 0..1, with a flag for the whole
  wholeNumber,  // low..high, whole
  switchedOn,   // no value: sets 1
  switchedOff,  // no value: sets 0
  polygonMode,  // polygons, lines or points: 0, 1, 2
};

struct SettingOption {
  const char* name;
  Kind kind;
  double low, high;
  const char* accepts;
  float Parameters::*real;  // where a number or percentage goes
  int Parameters::*whole;   // where a whole number, a switch or a mode goes; a full percentage
};

using P = Parameters;

// The float settings' keys scale them within the normal floats, so a chosen speed or size is
// too: above 0, below infinity. The camera distance moves by steps of 0.05 either way. As the
// blanking keys do, full blanking intensity clears the picture every frame.
const SettingOption options[] = {
    {"speed", Kind::number, FLT_MIN, FLT_MAX, "a number above 0", &P::mainSpeed, nullptr},
    {"size", Kind::number, FLT_MIN, FLT_MAX, "a number above 0", &P::objectSize, nullptr},
    {"camera-distance", Kind::number, -FLT_MAX, FLT_MAX, "a number", &P::cameraZ, nullptr},
    {"fov", Kind::wholeNumber, 1, 179, "a whole number of degrees from 1 to 179", nullptr,
     &P::fovDegrees},
    {"fog-distance", Kind::number, 0.0001, 14, "a number from 0.0001 to 14", &P::fogDistance,
     nullptr},
    {"blanking", Kind::percentage, 0, 100, "a percentage from 0 to 100", &P::blankIntensity,
     &P::fullBlanking},
    {"tesselation", Kind::wholeNumber, 3, 40, "a whole number from 3 to 40", nullptr,
     &P::tesselation},
    {"letterbox", Kind::wholeNumber, 0, 6, "a whole number from 0 to 6", nullptr, &P::letterbox},
    {"polygon-mode", Kind::polygonMode, 0, 2, "polygons, lines or points", nullptr,
     &P::polygonMode},
    {"textures", Kind::switchedOn, 0, 0, "", nullptr, &P::texturesOn},
    {"no-textures", Kind::switchedOff, 0, 0, "", nullptr, &P::texturesOn},
    {"light", Kind::switchedOn, 0, 0, "", nullptr, &P::spotlightsOn},
    {"no-light", Kind::switchedOff, 0, 0, "", nullptr, &P::spotlightsOn},
    {"fog", Kind::switchedOn, 0, 0, "", nullptr, &P::fogOn},
    {"no-fog", Kind::switchedOff, 0, 0, "", nullptr, &P::fogOn},
    {"stars", Kind::switchedOn, 0, 0, "", nullptr, &P::universeOn},
    {"no-stars", Kind::switchedOff, 0, 0, "", nullptr, &P::universeOn},
    {"fps", Kind::switchedOn, 0, 0, "", nullptr, &P::fpsClockOn},
    {"no-fps", Kind::switchedOff, 0, 0, "", nullptr, &P::fpsClockOn},
};
constexpr int optionCount = sizeof options / sizeof options[0];

const char* const polygonModeNames[] = {"polygons", "lines", "points"};

int polygonModeNamed(const char* text) {
  const char* const* names = polygonModeNames;
  for (int mode = 0; mode < 3; ++mode)
    if (text != nullptr && std::strcmp(text, names[mode]) == 0) return mode;
  return -1;
}

// The option's value read from text, or false where it accepts no such value.
bool readValue(const SettingOption& o, const char* text, double& value) {
  long long whole = 0;
  switch (o.kind) {
    case Kind::number:
    case Kind::percentage:
      return readDecimal(text, o.low, o.high, value);
    case Kind::wholeNumber:
      if (!readWholeNumber(text, static_cast<long long>(o.low), static_cast<long long>(o.high),
                           whole))
        return false;
      value = static_cast<double>(whole);
      return true;
    case Kind::switchedOn:
      value = 1;
      return true;
    case Kind::switchedOff:
      value = 0;
      return true;
    case Kind::polygonMode:
      value = polygonModeNamed(text);
      return value >= 0;
  }
  return false;
}

}  // namespace

int findSettingOption(const char* name) {
  for (int i = 0; i < optionCount; ++i)
    if (std::strcmp(name, options[i].name) == 0) return i;
  return -1;
}

bool optionTakesValue(int option) {
  const Kind kind = options[option].kind;
  return kind != Kind::switchedOn && kind != Kind::switchedOff;
}

bool chooseSetting(int option, const char* value, SettingChoices& choices, const char*& accepts) {
  const SettingOption& o = options[option];
  accepts = o.accepts;
  double read = 0;
  if (!readValue(o, value, read)) return false;
  if (choices.count == SettingChoices::capacity) {
    accepts = "no more than 64 settings in all";
    return false;
  }
  choices.list[choices.count++] = {option, read};
  return true;
}

void applySettingChoices(const SettingChoices& choices, Parameters& p) {
  for (int i = 0; i < choices.count; ++i) {
    const SettingOption& o = options[choices.list[i].option];
    const double value = choices.list[i].value;
    if (o.kind == Kind::percentage) {
      p.*o.real = static_cast<float>(value / 100);
      p.*o.whole = p.*o.real >= 1;
    } else if (o.real != nullptr) {
      p.*o.real = static_cast<float>(value);
    } else {
      p.*o.whole = static_cast<int>(value);
    }
  }
}

void addSettingChoices(SettingChoices& to, const SettingChoices& later) {
  for (int i = 0; i < later.count; ++i) {
    const int setting = settingOf(later.list[i].option);
    int kept = 0;
    for (int j = 0; j < to.count; ++j)
      if (settingOf(to.list[j].option) != setting) to.list[kept++] = to.list[j];
    to.count = kept;
    to.list[to.count++] = later.list[i];
  }
}

int settingOptionCount() {
  return optionCount;
}

int settingOf(int option) {
  for (int i = 0; i < option; ++i)
    if (options[i].real == options[option].real && options[i].whole == options[option].whole)
      return i;
  return option;
}

namespace {

// value with the fewest significant digits that read back (as a decimal, then divided by
// divisor, as applySettingChoices does) to stored; "50", not "5e+01", below a million.
void writeShortest(float stored, double value, double divisor, char (&text)[24]) {
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    double read = 0;
    const bool plain = std::strstr(text, "e+") == nullptr || std::fabs(value) >= 1e6;
    if (plain && readDecimal(text, -DBL_MAX, DBL_MAX, read) &&
        static_cast<float>(read / divisor) == stored)
      return;
  }
}

}  // namespace

void formatSetting(int setting, const Parameters& p, char (&line)[48]) {
  const SettingOption& o = options[setting];
  char value[24] = "";
  switch (o.kind) {
    case Kind::number:
      writeShortest(p.*o.real, p.*o.real, 1, value);
      break;
    case Kind::percentage:
      if (p.*o.whole) {
        std::snprintf(value, sizeof value, "100");
      } else {
        writeShortest(p.*o.real, static_cast<double>(p.*o.real) * 100, 100, value);
      }
      break;
    case Kind::wholeNumber:
      std::snprintf(value, sizeof value, "%d", p.*o.whole);
      break;
    case Kind::polygonMode:
      std::snprintf(value, sizeof value, "%s",
                    polygonModeNames[p.*o.whole == 1   ? 1
                                     : p.*o.whole == 2 ? 2
                                                       : 0]);
      break;
    case Kind::switchedOn:
    case Kind::switchedOff:
      // The row that sets the value the block holds: "-fog" or "-no-fog".
      std::snprintf(
          line, sizeof line, "-%s",
          (p.*o.whole != 0) == (o.kind == Kind::switchedOn) ? o.name : options[setting + 1].name);
      return;
  }
  std::snprintf(line, sizeof line, "-%s %s", o.name, value);
}
