#pragma once

// The program's own arguments, read before the toolkit sees the rest: --help, --version and the
// screen-saver hosts' ways of naming a window to draw in. No X calls here.

#include "window/window.h"

struct CommandLine {
  enum Action { run, help, version, fail } action;
  Host host;
  unsigned long windowId;   // for Host::window
  const char* displayName;  // the toolkit's -display option, left for it; null without one
  char error[128];          // for fail: one line, without the newline
};

// Reads and removes the program's own arguments from argv, leaving the rest (the toolkit's, such
// as -display and -geometry) in order. screensaverWindow is XSCREENSAVER_WINDOW (null when
// unset). -window-id names the window first, then XSCREENSAVER_WINDOW; -root alone means the
// root window. An ID is decimal or hexadecimal with 0x; anything else, or 0, fails.
CommandLine readCommandLine(int& argc, char** argv, const char* screensaverWindow);

// The text --help prints.
extern const char* const usageText;
