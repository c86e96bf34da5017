#include "app/command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const char* const usageText =
    "Usage: gyrotrak [OPTION]... [TOOLKIT-OPTION]...\n"
    "Ride a random 3-D track, full screen, or in a screen-saver host's window.\n"
    "\n"
    "  -window-id ID  draw in the window ID (decimal, or hexadecimal with 0x)\n"
    "  -root          draw in the window XSCREENSAVER_WINDOW names, else on the root window\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n"
    "\n"
    "Environment:\n"
    "  XSCREENSAVER_WINDOW  the window a screen-saver host gives, as -window-id\n"
    "  GYROTRAK_SEED=N      the same first track and scene on every launch with N\n"
    "  GYROTRAK_FPS=N       N frames a second (default: the display's refresh rate;\n"
    "                       0: as fast as the machine draws)\n"
    "  GYROTRAK_CLOCK=STEP,END  a fixed clock of STEP ms a frame until END ms, for\n"
    "                       screenshots and tests\n"
    "\n"
    "The toolkit's own options, such as -display and -geometry, pass through.\n";

namespace {

// A window ID: decimal, or hexadecimal with 0x; 0 is no window.
bool parseWindowId(const char* text, unsigned long& id) {
  if (text == nullptr || *text < '0' || *text > '9') return false;
  const bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  char* end = nullptr;
  errno = 0;
  const unsigned long long value = std::strtoull(hex ? text + 2 : text, &end, hex ? 16 : 10);
  if (errno != 0 || *end != '\0' || end == text + (hex ? 2 : 0) || value == 0 ||
      value > 0xffffffffull)
    return false;
  id = static_cast<unsigned long>(value);
  return true;
}

CommandLine failure(const char* what, const char* text) {
  CommandLine line{CommandLine::fail, Host::ownWindow, 0, nullptr, {}};
  std::snprintf(line.error, sizeof line.error, "gyrotrak: %s%.80s", what, text);
  return line;
}

}  // namespace

CommandLine readCommandLine(int& argc, char** argv, const char* screensaverWindow) {
  CommandLine line{CommandLine::run, Host::ownWindow, 0, nullptr, {}};
  const char* idText = nullptr;
  bool root = false;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (std::strcmp(a, "--help") == 0) {
      line.action = CommandLine::help;
    } else if (std::strcmp(a, "--version") == 0) {
      if (line.action == CommandLine::run) line.action = CommandLine::version;
    } else if (std::strcmp(a, "-root") == 0) {
      root = true;
    } else if (std::strcmp(a, "-window-id") == 0) {
      if (i + 1 == argc) return failure("-window-id needs a window ID", "");
      idText = argv[++i];
    } else {
      if (std::strcmp(a, "-display") == 0 && i + 1 < argc) line.displayName = argv[i + 1];
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  argv[argc] = nullptr;
  if (line.action != CommandLine::run) return line;

  if (idText == nullptr && screensaverWindow != nullptr && *screensaverWindow != '\0')
    idText = screensaverWindow;
  if (idText != nullptr) {
    if (!parseWindowId(idText, line.windowId)) return failure("not a window ID: ", idText);
    line.host = Host::window;
  } else if (root) {
    line.host = Host::root;
  }
  return line;
}
