#include "base/program_exit.h"

#include <cstdlib>

namespace {
// Written only by setExitFunction.
ExitFunction exitFunction = std::exit;
}  // namespace

void exitProgram(int status) {
  exitFunction(status);
}

void setExitFunction(ExitFunction function) {
  exitFunction = function ? function : std::exit;
}
