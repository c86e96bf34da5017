// The settings file's lines, each with the setting it chooses (as saved) or what is said of it.

#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/parameters.h"

static Parameters p;  // static storage: zero-filled, as the program's block is
static std::vector<std::string> reported;

TEST(SettingsFile, ReadsEachLineAsTheCommandLineReadsItsOption) {
  const char* const cases[][2] = {
      {"speed 0.25  # slower", "-speed 0.25"},
      {"\t--fov=90\r", "-fov 90"},
      {"--polygon-mode lines", "-polygon-mode lines"},
      {"no-stars", "-no-stars"},
      {"-blanking 37.5", "-blanking 37.5"},
      {"-blanking 100", "-blanking 100"},
      {"-camera-distance -0.35", "-camera-distance -0.35"},
      {"# -speed 9", ""},
      {"  \t", ""},
      {"-root", "-root is not a setting; a settings file holds only settings"},
      {"-speed 0", "-speed takes a number above 0, not \"0\""},
      {"-speed", "-speed takes a number above 0, but none follows"},
      {"-fov 90 100", "-fov takes one value, not more"},
      {"-no-fog yes", "-no-fog takes no value"},
      {"-polygon-mode wire", "-polygon-mode takes polygons, lines or points, not \"wire\""},
      {"rm -rf /", "unknown setting \"rm\"; gyrotrak --help lists the settings"},
  };
  for (const auto& c : cases) {
    const SettingsLine line = readSettingsLine(c[0], std::strlen(c[0]));
    char written[48] = "";
    resetParameters(p);
    applySettingChoices(SettingChoices{1, {line.choice}}, p);
    if (line.kind == SettingsLine::setting)
      formatSetting(settingOf(line.choice.option), p, written);
    EXPECT_STREQ(line.kind == SettingsLine::bad ? line.problem : written, c[1]) << c[0];
  }
}

TEST(SettingsFile, LaterLinesWinAndBadOnesAreNamedAndSkipped) {
  const std::string text = "-speed 2\n-nofog\n\n-speed 3\n-fov 0";
  SettingChoices choices{};
  readSettingsText(text.data(), text.size(), "/c/settings", choices,
                   [](const char* line) { reported.push_back(line); });
  resetParameters(p);
  applySettingChoices(choices, p);
  EXPECT_FLOAT_EQ(p.mainSpeed, 3);
  EXPECT_EQ(reported.size(), 2u);  // lines 2 and 5; the window test checks a whole line
  EXPECT_EQ(reported[1].rfind("gyrotrak: /c/settings:5: -fov takes a whole number", 0), 0u);
  EXPECT_STREQ(settingsTextProblem("-speed 2\n\0", 10), "not text (it holds control characters)");
  EXPECT_STREQ(settingsTextProblem(std::string(65537, '#').data(), 65537), "longer than 64 KiB");
}
