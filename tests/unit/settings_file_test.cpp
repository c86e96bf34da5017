// The settings file's lines: each good one with the setting it chooses, each bad one with what
// is said of it, and the whole text read and rewritten around the lines it does not know.

#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/parameters.h"

namespace {

// The line read: the option line of the setting it chooses, as saved; its problem; or "".
std::string readBack(const std::string& text) {
  const SettingsLine line = readSettingsLine(text.data(), text.size());
  if (line.kind == SettingsLine::bad) return std::string("bad: ") + line.problem;
  if (line.kind == SettingsLine::empty) return "";
  static Parameters p;
  resetParameters(p);
  applySettingChoices(SettingChoices{1, {line.choice}}, p);
  char written[48];
  formatSetting(settingOf(line.choice.option), p, written);
  return written;
}

std::vector<std::string> reported;

}  // namespace

TEST(SettingsFile, ReadsEachLineAsTheCommandLineReadsItsOption) {
  const char* const cases[][2] = {
      {"-speed 2", "-speed 2"},
      {"speed 0.25  # slower", "-speed 0.25"},
      {"\t--fov=90\r", "-fov 90"},
      {"--polygon-mode lines", "-polygon-mode lines"},
      {"no-stars", "-no-stars"},
      {"-textures", "-textures"},
      {"-blanking 37.5", "-blanking 37.5"},
      {"-blanking 100", "-blanking 100"},
      {"-camera-distance -0.35", "-camera-distance -0.35"},
      {"-fog-distance 0.0001", "-fog-distance 0.0001"},
      {"# -speed 9", ""},
      {"  \t", ""},
      {"-root", "bad: -root is not a setting; a settings file holds only settings"},
      {"window-id 0x400001",
       "bad: -window-id is not a setting; a settings file holds only settings"},
      {"-speed 0", "bad: -speed takes a number above 0, not \"0\""},
      {"-speed", "bad: -speed takes a number above 0, but none follows"},
      {"-fov 90.5", "bad: -fov takes a whole number of degrees from 1 to 179, not \"90.5\""},
      {"-fov 90 100", "bad: -fov takes one value, not more"},
      {"--fov=90 100", "bad: -fov takes one value, not two"},
      {"-no-fog yes", "bad: -no-fog takes no value"},
      {"-polygon-mode wire", "bad: -polygon-mode takes polygons, lines or points, not \"wire\""},
      {"rm -rf /", "bad: unknown setting \"rm\"; gyrotrak --help lists the settings"},
  };
  for (const auto& c : cases) EXPECT_EQ(readBack(c[0]), c[1]) << c[0];
}

TEST(SettingsFile, LaterLinesWinAndBadOnesAreNamedAndSkipped) {
  const std::string text = "-speed 2\n-nofog\n\n-speed 3\n-fov 0";
  SettingChoices choices{};
  readSettingsText(text.data(), text.size(), "/c/settings", choices,
                   [](const char* line) { reported.push_back(line); });
  static Parameters p;
  resetParameters(p);
  applySettingChoices(choices, p);
  EXPECT_EQ(choices.count, 1);
  EXPECT_FLOAT_EQ(p.mainSpeed, 3);
  EXPECT_EQ(reported, (std::vector<std::string>{
                          "gyrotrak: /c/settings:2: unknown setting \"nofog\"; gyrotrak --help "
                          "lists the settings; the line is skipped",
                          "gyrotrak: /c/settings:5: -fov takes a whole number of degrees from 1 "
                          "to 179, not \"0\"; the line is skipped"}));
  EXPECT_STREQ(settingsTextProblem("-speed 2\n\0", 10), "not text (it holds control characters)");
  EXPECT_STREQ(settingsTextProblem(std::string(65537, '#').data(), 65537), "longer than 64 KiB");
}
