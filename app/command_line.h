#pragma once

// The program's own arguments, read before the toolkit sees the rest: --help, --version, the
// screen-saver hosts' ways of naming a window to draw in, the 512 x 512 window, the frame pace
// and the settings a reset returns to. No X calls here.

#include "base/setting_options.h"
#include "window/window.h"

struct CommandLine {
  enum Action { run, help, version, fail } action;
  Host host;
  unsigned long windowId;       // for Host::window
  const char* displayName;      // the toolkit's -display option, left for it; null without one
  const char* geometry;         // the toolkit's -geometry option, left for it; null without one
  bool window;                  // -window: the 512 x 512 window instead of full screen
  bool settingsDialog;          // --settings: the ride as the settings dialog, in the window
  const char* framesPerSecond;  // -pace's whole number; null without it
  SettingChoices settings;      // the settings options, in order
  char error[192];              // for fail: one line, without the newline
};

// Reads and removes the program's own arguments from argv, leaving the toolkit's (-display,
// -geometry, -iconic, -direct, -indirect, -sync, -gldebug) in order. Each of the program's own
// is written as hosts do, "-name value", or "--name value" or "--name=value". Anything else, or a
// value an option does not accept, fails with one line naming it; --help and --version win
// over any failure. screensaverWindow is XSCREENSAVER_WINDOW (null when unset). -window-id
// names the window first, then XSCREENSAVER_WINDOW; -root alone means the root window; -window
// asks for the program's own window, even where XSCREENSAVER_WINDOW is set. An ID is decimal or
// hexadecimal with 0x; anything else, or 0, fails. --settings asks for the program's own window
// and fails with -root or -window-id.
CommandLine readCommandLine(int& argc, char** argv, const char* screensaverWindow);

// The text --help prints.
extern const char* const usageText;

// What -pace and GYROTRAK_FPS accept, in the words of the line that refuses another value.
extern const char* const paceAccepts;
