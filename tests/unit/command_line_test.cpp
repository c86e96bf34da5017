// The program's own arguments: the screen-saver hosts' ways of naming a window, and the options
// that choose the settings, with the classic host's settings dialog that writes them.

#include "app/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/environment_check.h"
#include "base/parameters.h"

namespace {

struct Read {
  CommandLine line;      // its displayName and framesPerSecond point into words gone by now
  std::string left;      // what stays for the toolkit, space-separated
  std::string display;   // the -display the line names
  std::string pace;      // the -pace it names
  std::string geometry;  // the -geometry it names
};

Read read(std::vector<std::string> words, const char* screensaverWindow = nullptr) {
  words.insert(words.begin(), "gyrotrak");
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  int argc = static_cast<int>(words.size());
  Read r{readCommandLine(argc, argv.data(), screensaverWindow), {}, {}, {}, {}};
  for (int i = 1; i < argc; ++i) r.left += std::string(argv[i]) + " ";
  if (r.line.displayName != nullptr) r.display = r.line.displayName;
  if (r.line.framesPerSecond != nullptr) r.pace = r.line.framesPerSecond;
  if (r.line.geometry != nullptr) r.geometry = r.line.geometry;
  return r;
}

}  // namespace

TEST(CommandLine, NamesTheWindowTheWayEachHostDoesAndLeavesTheToolkitsOptions) {
  Read r = read({"-display", ":3", "-window-id", "0x1a00007", "-geometry", "10x10"});
  EXPECT_EQ(r.line.action, CommandLine::run);
  EXPECT_EQ(r.line.host, Host::window);
  EXPECT_EQ(r.line.windowId, 0x1a00007u);
  EXPECT_EQ(r.display, ":3");
  EXPECT_EQ(r.geometry, "10x10");
  EXPECT_EQ(r.left, "-display :3 -geometry 10x10 ");

  EXPECT_EQ(read({"-window-id", "4194311"}, "0x600001").line.windowId, 4194311u);  // first
  EXPECT_EQ(read({}, "0x600001").line.windowId, 0x600001u);
  EXPECT_EQ(read({"-root"}, "6291457").line.windowId, 6291457u);
  EXPECT_EQ(read({"-root"}).line.host, Host::root);
  EXPECT_EQ(read({}).line.host, Host::ownWindow);
  EXPECT_EQ(read({}, "").line.host, Host::ownWindow);

  EXPECT_EQ(read({"--version", "-window-id", "zz"}).line.action, CommandLine::version);
  EXPECT_EQ(read({"--version", "--help"}).line.action, CommandLine::help);
}

TEST(CommandLine, ABadWindowIdIsOneLineForTheUser) {
  for (const char* bad : {"abc", "0", "0x", "0x0", "-5", "12a", "0x100000000", "99999999999",
                          "0x-ffffffffffffffff", " 7"}) {
    const CommandLine line = read({"-window-id", bad}).line;
    EXPECT_EQ(line.action, CommandLine::fail) << bad;
    EXPECT_EQ(std::string(line.error), std::string("gyrotrak: not a window ID: ") + bad);
  }
  EXPECT_EQ(read({}, "junk").line.action, CommandLine::fail);
  EXPECT_STREQ(read({"-window-id"}).line.error, "gyrotrak: -window-id needs a window ID");
}

TEST(CommandLine, EverySettingOptionSetsItsResetValueWithinItsKeysBounds) {
  struct Good {
    std::vector<std::string> words;
    float Parameters::*real;
    int Parameters::*whole;
    double value;
  };
  const Good goods[] = {
      {{"-speed", "2.5"}, &Parameters::mainSpeed, nullptr, 2.5},
      {{"--size=0.5"}, &Parameters::objectSize, nullptr, 0.5},
      {{"--camera-distance", "-0.25"}, &Parameters::cameraZ, nullptr, -0.25},
      {{"-fov", "179"}, nullptr, &Parameters::fovDegrees, 179},
      {{"-fog-distance", "0.0001"}, &Parameters::fogDistance, nullptr, 0.0001},
      {{"-fog-distance", "14"}, &Parameters::fogDistance, nullptr, 14},
      {{"-blanking", "0"}, &Parameters::blankIntensity, nullptr, 0},
      {{"-blanking", "100"}, nullptr, &Parameters::fullBlanking, 1},
      {{"-tesselation", "3"}, nullptr, &Parameters::tesselation, 3},
      {{"-tesselation", "40"}, nullptr, &Parameters::tesselation, 40},
      {{"-letterbox", "6"}, nullptr, &Parameters::letterbox, 6},
      {{"-polygon-mode", "points"}, nullptr, &Parameters::polygonMode, 2},
      {{"-no-textures"}, nullptr, &Parameters::texturesOn, 0},
      {{"-light"}, nullptr, &Parameters::spotlightsOn, 1},
      {{"-no-fog", "-fog", "-no-fog"}, nullptr, &Parameters::fogOn, 0},  // the last one wins
      {{"-no-stars"}, nullptr, &Parameters::universeOn, 0},
      {{"-fps"}, nullptr, &Parameters::fpsClockOn, 1},
  };
  for (const Good& g : goods) {
    const CommandLine line = read(g.words).line;
    ASSERT_EQ(line.action, CommandLine::run) << g.words[0] << ": " << line.error;
    static Parameters p;
    chosenSettings = line.settings;
    resetParameters(p);
    EXPECT_FLOAT_EQ(g.real ? p.*g.real : p.*g.whole, static_cast<float>(g.value)) << g.words[0];
    chosenSettings = {};
    resetParameters(p);
    EXPECT_NE(g.real ? p.*g.real : p.*g.whole, static_cast<float>(g.value)) << g.words[0];
  }
  Read r = read({"-window", "-pace", "30", "-display", ":4"}, "0x600001");
  EXPECT_TRUE(r.line.window);
  EXPECT_EQ(r.line.host, Host::ownWindow);  // asked for its own window, whatever the host says
  EXPECT_EQ(r.pace, "30");
  EXPECT_EQ(r.left, "-display :4 ");
}

TEST(CommandLine, ABadSettingOrUnknownOptionIsOneLineNamingIt) {
  const std::pair<std::vector<std::string>, std::string> bads[] = {
      {{"-fov", "0"}, "-fov takes a whole number of degrees from 1 to 179, not \"0\""},
      {{"-fov", "180"}, "-fov takes a whole number of degrees from 1 to 179, not \"180\""},
      {{"-tesselation", "2"}, "-tesselation takes a whole number from 3 to 40, not \"2\""},
      {{"--tesselation=41"}, "--tesselation takes a whole number from 3 to 40, not \"41\""},
      {{"-letterbox", "7"}, "-letterbox takes a whole number from 0 to 6, not \"7\""},
      {{"-letterbox", "2.5"}, "-letterbox takes a whole number from 0 to 6, not \"2.5\""},
      {{"-blanking", "100.5"}, "-blanking takes a percentage from 0 to 100, not \"100.5\""},
      {{"-fog-distance", "0.00009"},
       "-fog-distance takes a number from 0.0001 to 14, not \"0.00009\""},
      {{"-speed", "0"}, "-speed takes a number above 0, not \"0\""},
      {{"-size", "1e-40"}, "-size takes a number above 0, not \"1e-40\""},
      {{"-camera-distance", "inf"}, "-camera-distance takes a number, not \"inf\""},
      {{"-polygon-mode", "fill"}, "-polygon-mode takes polygons, lines or points, not \"fill\""},
      {{"-pace", "-1"},
       "-pace takes a whole number of frames a second from 0 to 100000, not \"-1\""},
      {{"-speed"}, "-speed takes a number above 0, but none follows"},
      {{"-speed", "0x10"}, "-speed takes a number above 0, not \"0x10\""},
      {{"-speed", " 5"}, "-speed takes a number above 0, not \" 5\""},
      {{"--fog=1"}, "--fog takes no value"},
      {{"-bogus", "-fov", "0"}, "unknown option -bogus; gyrotrak --help lists the options"},
      {{"bogus"}, "unexpected \"bogus\"; gyrotrak --help lists the options"},
      {{"-window", "-root"}, "-window draws in a window of its own, not with -root"},
  };
  for (const auto& [words, message] : bads) {
    const CommandLine line = read(words).line;
    EXPECT_EQ(line.action, CommandLine::fail) << words[0];
    EXPECT_EQ(line.error, "gyrotrak: " + message);
  }
  EXPECT_EQ(read({"-fov", "0", "--help"}).line.action, CommandLine::help);
}

// The program's variables are read as its options are; a malformed one is named, then ignored.
TEST(CommandLine, AMalformedVariableIsOneLineNamingIt) {
  char line[192] = "";
  EXPECT_FALSE(malformedVariableLine("GYROTRAK_FPS", nullptr, line));
  EXPECT_FALSE(malformedVariableLine("GYROTRAK_CLOCK", "10,10", line));
  EXPECT_TRUE(malformedVariableLine("GYROTRAK_SEED", "-1", line));
  EXPECT_TRUE(malformedVariableLine("GYROTRAK_CLOCK", "10,0", line));
  EXPECT_TRUE(malformedVariableLine("GYROTRAK_FPS", "0x10", line));
  EXPECT_STREQ(line,
               "gyrotrak: GYROTRAK_FPS takes a whole number of frames a second from 0 to 100000, "
               "not \"0x10\"; it is ignored");
}

// Every command-line text the classic host's dialog can write, at each slider's ends and
// default, is accepted; every setting --help lists is offered there.
TEST(CommandLine, TheHostsSettingsDialogWritesOnlyWhatTheProgramAccepts) {
  std::ifstream file(GYROTRAK_DATA_DIR "/../dist/gyrotrak.xml");
  std::stringstream xml;
  xml << file.rdbuf();
  const std::string text = xml.str();
  // The value of an attribute of one element, empty without it.
  const auto attribute = [](const std::string& element, const std::string& name) {
    const size_t at = element.find(" " + name + "=\"");
    if (at == std::string::npos) return std::string();
    const size_t from = at + name.size() + 3;
    return element.substr(from, element.find('"', from) - from);
  };
  std::set<std::string> offered;
  for (size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
    const std::string element = text.substr(at, text.find('>', at) - at);
    std::vector<std::string> args = {attribute(element, "arg-set"),
                                     attribute(element, "arg-unset")};
    const std::string arg = attribute(element, "arg");
    if (element.rfind("<number", 0) == 0)
      for (const char* value : {"low", "high", "default"})
        args.push_back(arg.substr(0, arg.find('%')) + attribute(element, value));
    for (const std::string& words : args) {
      if (words.empty()) continue;
      std::istringstream split(words);
      const std::vector<std::string> list{std::istream_iterator<std::string>(split), {}};
      const CommandLine line = read(list).line;
      EXPECT_EQ(line.action, CommandLine::run) << words << ": " << line.error;
      offered.insert(list[0].substr(list[0].rfind("-no-", 0) == 0 ? 4 : 1));
    }
  }
  std::istringstream usage(usageText);
  for (std::string line; std::getline(usage, line);) {
    if (line.rfind("  -", 0) != 0 || line[3] == '-') continue;
    std::string name = line.substr(3, line.find_first_of(" ,", 3) - 3);
    if (name == "window" || name == "window-id" || name == "root") continue;
    EXPECT_TRUE(offered.count(name)) << "-" << name << " is not in the settings dialog";
  }
  EXPECT_EQ(offered.size(), 15u);
}

namespace {

// The option names a text lists: the words that begin with - or -- and a letter, at the start
// or after a space, a backquote or a quotation mark. (No std::regex: GCC 12 warns inside it.)
std::set<std::string> optionNames(const std::string& text) {
  std::set<std::string> names;
  for (size_t at = 0; (at = text.find('-', at)) != std::string::npos;) {
    const size_t end = text.find_first_not_of("abcdefghijklmnopqrstuvwxyz-", at);
    const std::string word = text.substr(at, end - at);
    const bool starts = at == 0 || std::strchr(" \t\n`\"", text[at - 1]) != nullptr;
    if (starts && word.find_first_not_of('-') <= 2 && word.find_first_not_of('-') < word.size())
      names.insert(word);
    at = end;
  }
  return names;
}

}  // namespace

// One list of options: the README's table, --help and the manual page name the same ones.
TEST(CommandLine, TheReadmeHelpAndManualPageListTheSameOptions) {
  std::string help, readme, manual;
  std::istringstream usage(usageText);
  for (std::string line; std::getline(usage, line);)
    if (line.rfind("  -", 0) == 0) help += line.substr(0, line.find("  ", 2)) + "\n";
  std::ifstream readmeFile(GYROTRAK_DATA_DIR "/../README.md");
  bool table = false;  // in the table headed "| option |", up to its last row
  for (std::string line; std::getline(readmeFile, line);) {
    table = line.rfind("| option |", 0) == 0 || (table && line.rfind("|", 0) == 0);
    if (table) readme += line.substr(0, line.find('|', 1)) + "\n";
  }
  std::ifstream page(GYROTRAK_DATA_DIR "/../dist/gyrotrak.6.in");
  bool options = false, tagged = false;  // in OPTIONS, on the line after a .TP
  for (std::string line; std::getline(page, line); tagged = line == ".TP") {
    if (line.rfind(".SH", 0) == 0) options = line == ".SH OPTIONS";
    line.erase(std::remove(line.begin(), line.end(), '\\'), line.end());
    if (options && tagged) manual += line + "\n";
  }
  const std::set<std::string> listed = optionNames(help);
  EXPECT_EQ(listed.size(), 26u);
  EXPECT_EQ(optionNames(readme), listed);
  EXPECT_EQ(optionNames(manual), listed);
}
