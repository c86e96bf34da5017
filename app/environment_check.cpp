#include "app/environment_check.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/command_line.h"
#include "app/fixed_clock.h"
#include "app/startup_seed.h"
#include "base/number_text.h"
#include "window/window.h"

namespace {

bool wellFormedPace(const char* text) {
  long long frames = 0;
  return readWholeNumber(text, 0, mostFramesPerSecond, frames);
}

bool wellFormedSeed(const char* text) {
  unsigned int seed = 0;
  return parseSeed(text, seed);
}

bool wellFormedClock(const char* text) {
  return parseFixedClock(text).stepMs != 0;
}

struct Variable {
  const char* name;
  bool (*wellFormed)(const char*);
  const char* accepts;
};

const Variable variables[] = {
    {"GYROTRAK_FPS", wellFormedPace, paceAccepts},
    {"GYROTRAK_SEED", wellFormedSeed, "a whole number from 0 to 4294967295"},
    {"GYROTRAK_CLOCK", wellFormedClock,
     "STEP,END: whole milliseconds, STEP from 1 to 100, END from STEP up"},
};

}  // namespace

bool malformedVariableLine(const char* name, const char* value, char (&line)[192]) {
  if (value == nullptr) return false;
  for (const Variable& v : variables) {
    if (std::strcmp(name, v.name) != 0 || v.wellFormed(value)) continue;
    std::snprintf(line, sizeof line, "gyrotrak: %s takes %s, not \"%.40s\"; it is ignored", v.name,
                  v.accepts, value);
    return true;
  }
  return false;
}

void nameMalformedVariables() {
  char line[192];
  for (const Variable& v : variables)
    if (malformedVariableLine(v.name, std::getenv(v.name), line))
      std::fprintf(stderr, "%s\n", line);
}
