#include "app/command_line.h"

#include <cstdio>
#include <cstring>

#include "base/number_text.h"

const char* const usageText =
    "Usage: gyrotrak [OPTION]... [TOOLKIT-OPTION]...\n"
    "Ride a random 3-D track, full screen, or in a screen-saver host's window.\n"
    "\n"
    "Settings, which a reset (r) returns to, with the keys that change them:\n"
    "  -speed X            the ride's speed, above 0 (default 1; Page Up, Page Down)\n"
    "  -size X             size of the globe, the flare and the particles, above 0\n"
    "                      (default 1; [ ])\n"
    "  -camera-distance X  how far the eye rides behind (default 0.1; { })\n"
    "  -fov N              field of view, 1 to 179 degrees (default 100; , .)\n"
    "  -fog-distance X     how deep the fog grows, 0.0001 to 14 (default 2; F9, F10)\n"
    "  -blanking P         how much each frame darkens the last, 0 to 100 per cent:\n"
    "                      the less, the longer the trails; 100 clears every frame\n"
    "                      (default 50; F11, F12)\n"
    "  -tesselation N      facets of the globe, 3 to 40 (default 10; < >)\n"
    "  -letterbox N        letterbox bars, 0 to 6 (default 0; l)\n"
    "  -polygon-mode MODE  polygons, lines or points (default polygons; w)\n"
    "  -textures, -no-textures  textures on the globe and the flare (default on; t)\n"
    "  -light, -no-light   the moving light (default off; s)\n"
    "  -fog, -no-fog       the depth-cue fog (default on; d)\n"
    "  -stars, -no-stars   the star field (default on; u)\n"
    "  -fps, -no-fps       the frames-per-second line (default off; c)\n"
    "\n"
    "Window and pace:\n"
    "  -window             start in a window, not full screen (f): 512 x 512, or the\n"
    "                      size -geometry WxH gives\n"
    "  -pace N             N frames a second, 0 for as fast as the machine draws\n"
    "                      (default: the display's refresh rate)\n"
    "  -window-id ID       draw in the window ID (decimal, or hexadecimal with 0x)\n"
    "  -root               draw in the window XSCREENSAVER_WINDOW names, else on the\n"
    "                      root window\n"
    "  --settings          the ride in a window, where the keys change the settings\n"
    "                      file's settings; leaving saves them there\n"
    "  --help              show this help and exit\n"
    "  --version           show the version and exit\n"
    "Each option may also be written --name VALUE or --name=VALUE.\n"
    "\n"
    "Settings file:\n"
    "  $XDG_CONFIG_HOME/gyrotrak/settings, else ~/.config/gyrotrak/settings, read at\n"
    "  every start, wherever the ride runs: one setting a line, written as its\n"
    "  option is (-speed 2, -no-stars), # starting a comment. Options given win.\n"
    "\n"
    "Environment:\n"
    "  XSCREENSAVER_WINDOW  the window a screen-saver host gives, as -window-id\n"
    "  GYROTRAK_SEED=N      the same first track and scene on every launch with N\n"
    "  GYROTRAK_FPS=N       as -pace N, which wins over it\n"
    "  GYROTRAK_CLOCK=STEP,END  a fixed clock of STEP ms a frame until END ms, for\n"
    "                       screenshots and tests\n"
    "  A malformed GYROTRAK_ value is named on standard error and ignored.\n"
    "\n"
    "The toolkit's own options, such as -display and -geometry, pass through.\n";

const char* const paceAccepts = "a whole number of frames a second from 0 to 100000";

namespace {

// The toolkit's own options, left for it in argv, and whether a value follows each.
struct ToolkitOption {
  const char* name;
  bool takesValue;
};
const ToolkitOption toolkitOptions[] = {
    {"-display", true}, {"-geometry", true}, {"-direct", false}, {"-indirect", false},
    {"-iconic", false}, {"-sync", false},    {"-gldebug", false}};

const ToolkitOption* toolkitOption(const char* word) {
  for (const ToolkitOption& o : toolkitOptions)
    if (std::strcmp(word, o.name) == 0) return &o;
  return nullptr;
}

// A word of the command line read as one of the program's options: "-name", "--name" or
// "--name=value". name is empty for a word that is none.
struct OptionWord {
  char name[32];      // without dashes
  char written[40];   // as the user wrote it, up to any "="
  const char* value;  // after "=", else null
};

OptionWord readOptionWord(const char* word) {
  OptionWord w{{}, {}, nullptr};
  if (word[0] != '-' || word[1] == '\0') return w;
  const bool doubled = word[1] == '-';
  const char* name = word + (doubled ? 2 : 1);
  const char* equals = doubled ? std::strchr(name, '=') : nullptr;
  const size_t length = equals != nullptr ? static_cast<size_t>(equals - name) : std::strlen(name);
  if (length == 0 || length >= sizeof w.name) return w;
  std::memcpy(w.name, name, length);
  std::snprintf(w.written, sizeof w.written, "%s%s", doubled ? "--" : "-", w.name);
  if (equals != nullptr) w.value = equals + 1;
  return w;
}

// A window ID: decimal, or hexadecimal with 0x; 0 is no window, and X names no window past
// 32 bits.
bool parseWindowId(const char* text, unsigned long& id) {
  unsigned long long value = 0;
  if (!readWindowId(text, 0xffffffffull, value)) return false;
  id = static_cast<unsigned long>(value);
  return true;
}

void fail(CommandLine& line, const char* format, const char* a, const char* b = "") {
  if (line.action == CommandLine::fail) return;  // the first fault is the one to name
  line.action = CommandLine::fail;
  std::snprintf(line.error, sizeof line.error, format, a, b);
}

// The value an option accepts is missing or wrong: the line names the option and what it takes.
void failValue(CommandLine& line, const char* written, const char* accepts, const char* value) {
  char what[112];
  std::snprintf(what, sizeof what, "%.39s takes %.64s", written, accepts);
  if (value == nullptr) {
    fail(line, "gyrotrak: %s, but none follows", what);
  } else {
    fail(line, "gyrotrak: %s, not \"%.40s\"", what, value);
  }
}

}  // namespace

CommandLine readCommandLine(int& argc, char** argv, const char* screensaverWindow) {
  CommandLine line{};
  line.action = CommandLine::run;
  line.host = Host::ownWindow;
  const char* idText = nullptr;
  bool root = false;
  int kept = 1;
  bool helpOrVersion = false;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (const ToolkitOption* toolkit = toolkitOption(a)) {
      if (toolkit->takesValue && i + 1 < argc) {
        if (std::strcmp(a, "-display") == 0) line.displayName = argv[i + 1];
        if (std::strcmp(a, "-geometry") == 0) line.geometry = argv[i + 1];
        argv[kept++] = argv[i++];
      }
      argv[kept++] = argv[i];
      continue;
    }
    const OptionWord w = readOptionWord(a);
    // The value: after "=", else the next word, taken only by options that have one.
    auto value = [&]() -> const char* {
      if (w.value != nullptr) return w.value;
      return i + 1 < argc ? argv[++i] : nullptr;
    };
    const int setting = findSettingOption(w.name);
    if (std::strcmp(w.name, "help") == 0) {
      line.action = CommandLine::help;
      helpOrVersion = true;
    } else if (std::strcmp(w.name, "version") == 0) {
      if (!helpOrVersion) line.action = CommandLine::version;
      helpOrVersion = true;
    } else if (std::strcmp(w.name, "root") == 0) {
      root = true;
    } else if (std::strcmp(w.name, "window") == 0) {
      line.window = true;
    } else if (std::strcmp(w.name, "settings") == 0) {
      line.settingsDialog = line.window = true;
    } else if (std::strcmp(w.name, "window-id") == 0) {
      idText = value();
      if (idText == nullptr) fail(line, "gyrotrak: %s needs a window ID", w.written);
    } else if (std::strcmp(w.name, "pace") == 0) {
      long long frames = 0;
      line.framesPerSecond = value();
      if (!readWholeNumber(line.framesPerSecond, 0, mostFramesPerSecond, frames))
        failValue(line, w.written, paceAccepts, line.framesPerSecond);
    } else if (setting >= 0 && !optionTakesValue(setting) && w.value != nullptr) {
      fail(line, "gyrotrak: %s takes no value", w.written);
    } else if (setting >= 0) {
      const char* given = optionTakesValue(setting) ? value() : nullptr;
      const char* accepts = "";
      if (!chooseSetting(setting, given, line.settings, accepts))
        failValue(line, w.written, accepts, given);
    } else if (w.name[0] != '\0') {
      fail(line, "gyrotrak: unknown option %s; gyrotrak --help lists the options", w.written);
    } else {
      fail(line, "gyrotrak: unexpected \"%.40s\"; gyrotrak --help lists the options", a);
    }
  }
  argc = kept;
  argv[argc] = nullptr;
  if (helpOrVersion) return line;
  if (line.action == CommandLine::fail) return line;

  if (line.window && (root || idText != nullptr)) {
    fail(line, "gyrotrak: %s draws in a window of its own, not with %s",
         line.settingsDialog ? "--settings" : "-window", root ? "-root" : "-window-id");
    return line;
  }
  if (idText == nullptr && !line.window && screensaverWindow != nullptr &&
      *screensaverWindow != '\0')
    idText = screensaverWindow;
  if (idText != nullptr) {
    if (!parseWindowId(idText, line.windowId)) {
      fail(line, "gyrotrak: not a window ID: %.80s", idText);
      return line;
    }
    line.host = Host::window;
  } else if (root) {
    line.host = Host::root;
  }
  return line;
}
