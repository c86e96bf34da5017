#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/environment_check.h"
#include "app/startup.h"
#include "base/program_exit.h"
#include "settings/settings_dialog.h"
#include "window/window.h"

int main(int argc, char** argv) {
  const CommandLine line = readCommandLine(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
  if (line.action == CommandLine::help) {
    std::fputs(usageText, stdout);
    exitProgram(0);
  }
  if (line.action == CommandLine::version) {
    std::printf("gyrotrak %s\n", GYROTRAK_VERSION);
    exitProgram(0);
  }
  if (line.action == CommandLine::fail) {
    std::fprintf(stderr, "%s\n", line.error);
    exitProgram(1);
  }
  // A window to draw in that cannot be had ends the program before it opens one of its own.
  char error[128] = "";
  if (!findHostWindow(line.host, line.windowId, line.displayName, error)) {
    std::fprintf(stderr, "%s\n", error);
    exitProgram(1);
  }

  nameMalformedVariables();
  // The file's settings, then the command line's, which win.
  readUsersSettings(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), line.settingsDialog,
                    chosenSettings);
  addSettingChoices(chosenSettings, line.settings);
  // The option wins over the environment's pace.
  const char* pace = line.framesPerSecond;
  if (pace == nullptr) pace = std::getenv("GYROTRAK_FPS");
  openWindow(&argc, argv, line.window, pace, line.geometry);
  if (!initialise()) {
    std::printf("App cannot initialize.\n");
    exitProgram(0);
  }
  glutMainLoop();
  return 0;
}
