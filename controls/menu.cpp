#include "controls/menu.h"

#include <GL/glut.h>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "controls/help_screen.h"
#include "controls/keyboard.h"
#include "controls/selection.h"
#include "settings/settings_dialog.h"
#include "text/text_overlay.h"

const char* const menuEntryLabels[menuEntryCount] = {
    "Toggle FPS Clock",
    "Toggle Fog",
    "Toggle Lights",
    "Toggle Textures",
    "Next Image",
    "Next Option",
    "Reset",
    "Help",
    "Exit",
};

namespace {

// Flips a flag and sets its message by the new state, shown from the next frame.
void toggle(int& flag, const char* on, const char* off) {
  flag = !flag;
  textOverlay.setMessage(flag ? on : off);
}

}  // namespace

void createMenu() {
  glutCreateMenu(menuCallback);
  int value = 0;
  for (const char* label : menuEntryLabels) glutAddMenuEntry(label, value++);
  glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void menuCallback(int value) {
  switch (value) {
    case 0:
      params.fpsClockOn = !params.fpsClockOn;
      break;
    case 1:
      toggle(params.fogOn, "Fog On", "Fog Off");
      break;
    case 2:
      toggle(params.spotlightsOn, "Lights On", "Lights Off");
      break;
    case 3:
      toggle(params.texturesOn, "Textures On", "Textures Off");
      break;
    case 4:
      nextImage();
      break;
    case 5:
      nextOption();
      break;
    case 6:
      resetByCommand();
      textOverlay.setMessage("Reset/Randomized");
      break;
    case 7:
      // Unlike the keys, never clears the buffers.
      helpShown = !helpShown;
      break;
    case 8:
      // Each choice starts the 2-second fade again.
      exiting = 1;
      exitStartTime = elapsedTime;
      saveSettingsOnLeaving();
      break;
    default:
      break;
  }
}
