// Every key, special key and menu entry once from the reset state, through the real callbacks:
// the message line it leaves (exact, "\n" and all) and every setting it changes, with its value.
// The menu's labels beside them; the help page's texts are checked as a reference picture.

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "base/parameters.h"
#include "controls/debug_readout.h"
#include "controls/help_screen.h"
#include "controls/keyboard.h"
#include "controls/menu.h"
#include "controls/reset.h"
#include "controls/special_keys.h"
#include "ride/camera.h"
#include "tests/gl/gl_context.h"
#include "text/text_overlay.h"

namespace {

// Every setting a command may change, as "name=value" words (floats to 7 digits).
std::vector<std::string> settings() {
  const Parameters& p = params;
  char text[1000];
  std::snprintf(text, sizeof text,
                "fovDegrees=%d letterbox=%d tesselation=%d universeOn=%d fullBlanking=%d "
                "spotlightsOn=%d texturesOn=%d polygonMode=%d cameraMode=%d optionIndex=%d "
                "imageIndex=%d fpsClockOn=%d fogOn=%d rotateSpeed=%.7g movementSpeed=%.7g "
                "cameraZ=%.7g objectSize=%.7g mainSpeed=%.7g homeEndFactor=%.7g f1f2Factor=%.7g "
                "f3f4Factor=%.7g f5f6Factor=%.7g f7f8Factor=%.7g fogDistance=%.7g "
                "blankIntensity=%.7g paused=%d exiting=%d forceClear=%d helpShown=%d "
                "fieldOfView=%.7g letterboxStep=%d nCounter=%d bCounter=%d bigBCounter=%d",
                p.fovDegrees, p.letterbox, p.tesselation, p.universeOn, p.fullBlanking,
                p.spotlightsOn, p.texturesOn, p.polygonMode, p.cameraMode, p.optionIndex,
                p.imageIndex, p.fpsClockOn, p.fogOn, p.rotateSpeed, p.movementSpeed, p.cameraZ,
                p.objectSize, p.mainSpeed, p.homeEndFactor, p.f1f2Factor, p.f3f4Factor,
                p.f5f6Factor, p.f7f8Factor, p.fogDistance, p.blankIntensity, paused, exiting,
                forceClear, helpShown, camera.fieldOfView, letterboxStep, nCounter, bCounter,
                bigBCounter);
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// Runs command from the reset state; the message line it leaves ("" when it is still the reset's
// "New Track" line) and the settings it changed.
std::string outcome(const std::function<void()>& command) {
  reset();
  forceClear = helpShown = letterboxStep = 0;
  const std::string before = textOverlay.messageText;
  const std::vector<std::string> was = settings();
  command();
  const std::vector<std::string> now = settings();
  std::string result = textOverlay.messageText == before ? "" : textOverlay.messageText;
  result += "|";
  for (size_t i = 0; i < now.size(); ++i)
    if (now[i] != was[i]) result += " " + now[i];
  return result;
}

const struct {
  const char* keys;  // keys that act alike
  const char* outcome;
} characterKeys[] = {
    {"\x1bqQ", "| exiting=1"},
    {" ", "| fullBlanking=1"},
    {"-", "Rotate Speed: 0.90\n| rotateSpeed=0.9"},
    {"=", "Rotate Speed: 1.11\n| rotateSpeed=1.111111"},
    {"_", "Movement Speed: 0.90\n| movementSpeed=0.9"},
    {"+", "Movement Speed: 1.11\n| movementSpeed=1.111111"},
    {"{", "CameraZ: 0.05\n| cameraZ=0.05"},
    {"}", "CameraZ: 0.15\n| cameraZ=0.15"},
    {"[", "Object Size: 0.95\n| objectSize=0.95"},
    {"]", "Object Size: 1.06\n| objectSize=1.055555"},
    {",", "FOV: 101 Degrees\n| fovDegrees=101 fieldOfView=101"},
    {".", "FOV:  99 Degrees\n| fovDegrees=99 fieldOfView=99"},
    {"<", "Tesselation: 9\n| tesselation=9"},
    {">", "Tesselation: 11\n| tesselation=11"},
    {"cC", "Frame/Second Clock On| fpsClockOn=1"},
    {"dD", "DepthCue Fog Off| fogOn=0"},
    {"iI0", "No Image Options|"},
    {"lL", "Letterbox: 1| letterbox=1 forceClear=1 letterboxStep=1"},
    {"oO", "No Options|"},
    {"pP", "Pause Motion| paused=1"},
    {"sS", "| spotlightsOn=1"},
    {"tT", "Textures Off| texturesOn=0"},
    {"uU", "Universe Off| universeOn=0"},
    {"vV", "Camera 2: Manual Mouse/Arrow Key Control| cameraMode=1"},
    {"wW", "PolyMode 2/3: Lines| polygonMode=1"},
    {"?/", "| helpShown=1"},
    {"1", "Image 1/1: | imageIndex=1"},
    {"9", "| imageIndex=9"},
    {"n", "n: 1| nCounter=1"},
    {"b", "b: 3| bCounter=3"},
    {"B", "B: 2| bigBCounter=2"},
    {"N()xZ\t\xc8", "|"},
};

const struct {
  int key;
  const char* outcome;
} specialKeys[] = {
    {GLUT_KEY_F1, "F1/F2: 0.90\n| f1f2Factor=0.9"},
    {GLUT_KEY_F2, "F1/F2: 1.11\n| f1f2Factor=1.111111"},
    {GLUT_KEY_F3, "F3/F4: 0.90\n| f3f4Factor=0.9"},
    {GLUT_KEY_F4, "F3/F4: 1.11\n| f3f4Factor=1.111111"},
    {GLUT_KEY_F5, "F5/F6: 0.90\n| f5f6Factor=0.9"},
    {GLUT_KEY_F6, "F5/F6: 1.11\n| f5f6Factor=1.111111"},
    {GLUT_KEY_F7, "F7/F8: 0.90\n| f7f8Factor=0.9"},
    {GLUT_KEY_F8, "F7/F8: 1.11\n| f7f8Factor=1.111111"},
    {GLUT_KEY_F9, "Fog: 1.90\n| fogDistance=1.9"},
    {GLUT_KEY_F10, "Fog: 2.11\n| fogDistance=2.10526"},
    {GLUT_KEY_F11, "Blanking Percentage: 47.50\n| blankIntensity=0.475"},
    {GLUT_KEY_F12, "Blanking Percentage: 52.63\n| blankIntensity=0.526315"},
    {GLUT_KEY_PAGE_UP, "Main Speed: 1.11\n| mainSpeed=1.111111"},
    {GLUT_KEY_PAGE_DOWN, "Main Speed: 0.90\n| mainSpeed=0.9"},
    {GLUT_KEY_HOME, "Home/End: 1.11\n| homeEndFactor=1.111111"},
    {GLUT_KEY_END, "Home/End: 0.90\n| homeEndFactor=0.9"},
    {GLUT_KEY_LEFT, "|"},
    {GLUT_KEY_UP, "|"},
    {GLUT_KEY_RIGHT, "|"},
    {GLUT_KEY_DOWN, "|"},
    {GLUT_KEY_INSERT, "|"},
};

const struct {
  const char* label;
  const char* outcome;
} menuEntries[menuEntryCount] = {
    {"Toggle FPS Clock", "| fpsClockOn=1"},
    {"Toggle Fog", "Fog Off| fogOn=0"},
    {"Toggle Lights", "Lights On| spotlightsOn=1"},
    {"Toggle Textures", "Textures Off| texturesOn=0"},
    {"Next Image", "No Image Options|"},
    {"Next Option", "No Options|"},
    {"Reset", "Reset/Randomized| forceClear=1"},
    {"Help", "| helpShown=1"},
    {"Exit", "| exiting=1"},
};

}  // namespace

TEST(ControlsTable, EveryCommandPostsItsMessageAndChangesOnlyItsSetting) {
  gltest::startProgram();
  for (const auto& row : characterKeys)
    for (const char* key = row.keys; *key != '\0'; ++key)
      EXPECT_EQ(outcome([&] { keyboardCallback(*key, 0, 0); }), row.outcome) << "key " << *key;
  for (const auto& row : specialKeys)
    EXPECT_EQ(outcome([&] { specialKeyCallback(row.key, 0, 0); }), row.outcome)
        << "special key " << row.key;
  for (int value = 0; value < menuEntryCount; ++value) {
    EXPECT_STREQ(menuEntryLabels[value], menuEntries[value].label);
    EXPECT_EQ(outcome([&] { menuCallback(value); }), menuEntries[value].outcome) << value;
  }
}
