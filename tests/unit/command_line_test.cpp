// The program's own arguments and the screen-saver hosts' ways of naming a window.

#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Read {
  CommandLine line;     // its displayName points into words gone by now: see display
  std::string left;     // what stays for the toolkit, space-separated
  std::string display;  // the -display the line names
};

Read read(std::vector<std::string> words, const char* screensaverWindow = nullptr) {
  words.insert(words.begin(), "gyrotrak");
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  int argc = static_cast<int>(words.size());
  Read r{readCommandLine(argc, argv.data(), screensaverWindow), {}, {}};
  for (int i = 1; i < argc; ++i) r.left += std::string(argv[i]) + " ";
  if (r.line.displayName != nullptr) r.display = r.line.displayName;
  return r;
}

}  // namespace

TEST(CommandLine, NamesTheWindowTheWayEachHostDoesAndLeavesTheToolkitsOptions) {
  Read r = read({"-display", ":3", "-window-id", "0x1a00007", "-geometry", "10x10"});
  EXPECT_EQ(r.line.action, CommandLine::run);
  EXPECT_EQ(r.line.host, Host::window);
  EXPECT_EQ(r.line.windowId, 0x1a00007u);
  EXPECT_EQ(r.display, ":3");
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
  for (const char* bad : {"abc", "0", "0x", "0x0", "-5", "12a", "0x100000000", "99999999999"}) {
    const CommandLine line = read({"-window-id", bad}).line;
    EXPECT_EQ(line.action, CommandLine::fail) << bad;
    EXPECT_EQ(std::string(line.error), std::string("gyrotrak: not a window ID: ") + bad);
  }
  EXPECT_EQ(read({}, "junk").line.action, CommandLine::fail);
  EXPECT_STREQ(read({"-window-id"}).line.error, "gyrotrak: -window-id needs a window ID");
}
