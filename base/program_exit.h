#pragma once

// The one way the program ends itself (the exit fade, the quick exit, a failed start).
// Tests replace the exit function to watch the program decide to end without ending the runner.

using ExitFunction = void (*)(int status);

// Ends the process through the current exit function (std::exit unless replaced).
void exitProgram(int status);

// Replaces the exit function; nullptr restores std::exit.
void setExitFunction(ExitFunction function);
