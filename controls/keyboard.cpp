#include "controls/keyboard.h"

#include <GL/glut.h>

#include <cstdlib>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/scene_clock.h"
#include "controls/debug_readout.h"
#include "controls/help_screen.h"
#include "controls/reset.h"
#include "controls/selection.h"
#include "controls/setting_step.h"
#include "ride/camera.h"
#include "settings/settings_dialog.h"
#include "window/window.h"

int fullScreen = 1;
int paused = 0;
int letterboxStep = 0;

namespace {

// A flag flipped with logical not, confirmed by its new state.
CommandMessage toggle(int& flag, const char* on, const char* off) {
  flag = !flag;
  return plainMessage(flag ? on : off);
}

CommandMessage fieldOfViewMessage(Camera& viewer, Parameters& p) {
  p.fovDegrees = static_cast<int>(viewer.fieldOfView);
  return realMessage("FOV: %3.0f Degrees\n", viewer.fieldOfView);
}

CommandMessage nextPolygonMode(Parameters& p) {
  static const char* const names[] = {"PolyMode 1/3: Polygons", "PolyMode 2/3: Lines",
                                      "PolyMode 3/3: Points"};
  p.polygonMode = p.polygonMode == 2 ? 0 : p.polygonMode + 1;
  if (p.polygonMode < 0 || p.polygonMode > 2) return noMessage();
  return plainMessage(names[p.polygonMode]);
}

}  // namespace

CommandMessage adjustForKey(unsigned char key, Parameters& p, Camera& viewer, int& pauseFlag) {
  switch (key) {
    case ' ':
      p.fullBlanking = !p.fullBlanking;
      return noMessage();
    case '-':
      p.rotateSpeed = scaledSetting(p.rotateSpeed, 0.9);
      return realMessage("Rotate Speed: %4.2f\n", p.rotateSpeed);
    case '=':
      p.rotateSpeed = scaledSetting(p.rotateSpeed, 1.111111);
      return realMessage("Rotate Speed: %4.2f\n", p.rotateSpeed);
    case '_':
      p.movementSpeed = scaledSetting(p.movementSpeed, 0.9);
      return realMessage("Movement Speed: %4.2f\n", p.movementSpeed);
    case '+':
      p.movementSpeed = scaledSetting(p.movementSpeed, 1.111111);
      return realMessage("Movement Speed: %4.2f\n", p.movementSpeed);
    case '{':
      p.cameraZ = shiftedSetting(p.cameraZ, -0.05);
      return realMessage("CameraZ: %4.2f\n", p.cameraZ);
    case '}':
      p.cameraZ = shiftedSetting(p.cameraZ, 0.05);
      return realMessage("CameraZ: %4.2f\n", p.cameraZ);
    case '[':
      p.objectSize = scaledSetting(p.objectSize, 0.95);
      return realMessage("Object Size: %4.2f\n", p.objectSize);
    case ']':
      p.objectSize = scaledSetting(p.objectSize, 1.055555);
      return realMessage("Object Size: %4.2f\n", p.objectSize);
    case ',':
      viewer.fieldOfView = viewer.fieldOfView < 179 ? viewer.fieldOfView + 1 : 179;
      return fieldOfViewMessage(viewer, p);
    case '.':
      viewer.fieldOfView = viewer.fieldOfView > 1 ? viewer.fieldOfView - 1 : 1;
      return fieldOfViewMessage(viewer, p);
    case '<':
      if (p.tesselation != 3) p.tesselation -= 1;
      return intMessage("Tesselation: %d\n", p.tesselation);
    case '>':
      if (p.tesselation != 40) p.tesselation += 1;
      return intMessage("Tesselation: %d\n", p.tesselation);
    case 'c':
    case 'C':
      return toggle(p.fpsClockOn, "Frame/Second Clock On", "Frame/Second Clock Off");
    case 'd':
    case 'D':
      return toggle(p.fogOn, "DepthCue Fog On", "DepthCue Fog Off");
    case 'p':
    case 'P':
      return toggle(pauseFlag, "Pause Motion", "Continue Motion");
    case 's':
    case 'S':
      p.spotlightsOn = !p.spotlightsOn;
      return noMessage();
    case 't':
    case 'T':
      return toggle(p.texturesOn, "Textures On", "Textures Off");
    case 'u':
    case 'U':
      return toggle(p.universeOn, "Universe On", "Universe Off");
    case 'w':
    case 'W':
      return nextPolygonMode(p);
    default:
      return noMessage();
  }
}

int nextLetterboxStep(int step, int letterbox) {
  if (std::abs(step) != letterbox) step = letterbox;
  return step == 6 ? -5 : step + 1;
}

void resetByCommand() {
  reset();
  randomiseSceneClock();
  forceClear = 1;
}

void requestExit() {
  if (!exiting) {
    exiting = 1;
    exitStartTime = elapsedTime;
    saveSettingsOnLeaving();
  } else {
    // More than 2 seconds "ago": the next frame ends the program.
    exitStartTime = elapsedTime - 5;
  }
  helpShown = 0;
}

namespace {

// Full screen and the 512 x 512 window in turn. The pointer shows as an arrow only in the
// window with the automatic camera.
void switchScreenMode() {
  fullScreen = !fullScreen;
  if (!fullScreen) {
    glutReshapeWindow(512, 512);
    if (params.cameraMode == 0) glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
  } else {
    enterFullScreen();
    glutSetCursor(GLUT_CURSOR_NONE);
    forceClear = 1;
  }
}

void stepLetterbox() {
  letterboxStep = nextLetterboxStep(letterboxStep, params.letterbox);
  params.letterbox = std::abs(letterboxStep);
  postCommandMessage(intMessage("Letterbox: %d", params.letterbox));
  // The next frame wipes the old bars.
  forceClear = 1;
}

// The manual camera hides the pointer, which it keeps warping back to the middle.
void switchCameraMode() {
  params.cameraMode = (params.cameraMode + 1) % 2;
  if (params.cameraMode == 0) {
    postCommandMessage(plainMessage("Camera 1: Auto"));
    if (!fullScreen) glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
  } else {
    postCommandMessage(plainMessage("Camera 2: Manual Mouse/Arrow Key Control"));
    glutSetCursor(GLUT_CURSOR_NONE);
  }
}

// In full-blanking mode no overlay fades the old page away, so it is wiped at once.
void switchHelpScreen() {
  helpShown = !helpShown;
  if (!helpShown && params.fullBlanking == 1) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void runCommand(unsigned char key) {
  switch (key) {
    case 27:
    case 'q':
    case 'Q':
      requestExit();
      break;
    case 'f':
    case 'F':
      switchScreenMode();
      break;
    case 'i':
    case 'I':
      nextImage();
      break;
    case 'l':
    case 'L':
      stepLetterbox();
      break;
    case 'o':
    case 'O':
      nextOption();
      break;
    case 'r':
    case 'R':
      resetByCommand();
      break;
    case 'v':
    case 'V':
      switchCameraMode();
      break;
    case '?':
    case '/':
      switchHelpScreen();
      break;
    default:
      postCommandMessage(adjustForKey(key, params, camera, paused));
      break;
  }
}

}  // namespace

void keyboardCallback(unsigned char key, int, int) {
  forceClear = 0;
  runCommand(key);
  debugKey(key);
}
