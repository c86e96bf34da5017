#include "app/startup.h"

#include <GL/glut.h>

#include <cstdlib>

#include "app/fixed_clock.h"
#include "app/startup_seed.h"
#include "app/termination_signals.h"
#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/random.h"
#include "base/scene_clock.h"
#include "controls/keyboard.h"
#include "controls/menu.h"
#include "controls/pointer.h"
#include "controls/reset.h"
#include "controls/special_keys.h"
#include "frame/frame.h"
#include "frame/scene_resources.h"
#include "settings/settings_dialog.h"
#include "text/text_overlay.h"
#include "textures/bmp_texture.h"
#include "textures/texture_table.h"
#include "window/window.h"

namespace {

// The pop-up menu costs the toolkit a window and a GL context of its own, about a twentieth of
// the start-up: it is made once the first picture is up, before any click can want it.
bool menuWanted = false;

void createMenuWhenWanted() {
  if (!menuWanted) return;
  menuWanted = false;
  createMenu();
}

// Lighting and blending defaults that every drawing routine returns to.
void setDefaultRenderState() {
  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
  glMateriali(GL_FRONT_AND_BACK, GL_SHININESS, 50);
  glShadeModel(GL_SMOOTH);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glAlphaFunc(GL_GREATER, 0);
}

// Black linear fog; the scene switches it on and the projection sets its range every frame.
void setFogState() {
  const GLfloat black[4] = {0, 0, 0, 1};
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogfv(GL_FOG_COLOR, black);
  glFogf(GL_FOG_START, 0.1f);
  glFogf(GL_FOG_END, 10.0f);
  glFogf(GL_FOG_DENSITY, 0.1f);
  glHint(GL_FOG_HINT, GL_NICEST);
}

// Unseen, nothing is drawn and the program waits for the window to show again; a hidden
// window's back buffer holds no picture, so the first frame after starts from black.
void pictureSeen(bool seen) {
  if (seen) {
    pictureLost = 1;
    glutIdleFunc(idle);
    glutPostRedisplay();
  } else {
    glutIdleFunc(nullptr);
  }
}

// Keys run as commands. Once the fixed clock has run out no frame runs, so an exit asked for
// then starts the frames again, for its fade or, on a second press, to end at once.
void keyPressed(unsigned char key, int x, int y) {
  keyboardCallback(key, x, y);
  if (exiting) glutIdleFunc(idle);
}

}  // namespace

void openWindow(int* argc, char** argv, bool inWindow, const char* pace, const char* geometry) {
  quietenXErrors();
  glutInit(argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  // The size before the full-screen request takes effect, 512 x 512 unless -geometry gives one.
  // Leaving full screen, the toolkit returns to this size before it takes any other request, so
  // it is the one "f" asks for. For a host's window, the smallest: the toolkit shows its window
  // as a top-level one first, which a window manager may frame for a moment before it moves
  // into the host's window.
  const AskedWindow asked = askedWindow(geometry);
  if (windowIsHosted()) {
    glutInitWindowSize(1, 1);
  } else {
    glutInitWindowSize(asked.width, asked.height);
  }
  glutCreateWindow("Gyrotrak");
  nameWindowClass();
  if (windowIsHosted()) {
    enterHostWindow();
  } else if (inWindow) {
    fullScreen = 0;
    if (!asked.placed) placeOwnWindow(asked.width, asked.height);
  } else {
    enterFullScreen();
  }
  watchForWindowLoss();
  followVisibility(pictureSeen);
  startPacing(pace);
  endOnTerminationSignals();

  // Input belongs to a host: it ends the program when the user moves.
  if (!windowIsHosted()) {
    glutKeyboardFunc(keyPressed);
    glutSpecialFunc(specialKeyCallback);
    glutSpecialUpFunc(specialKeyUpCallback);
    glutMouseFunc(mouseButtonCallback);
    glutPassiveMotionFunc(pointerMotionCallback);
    glutMotionFunc(pointerMotionCallback);
    menuWanted = true;
    // The close button saves the dialog's settings before the toolkit ends the program.
    onCloseRequest(saveSettingsOnLeaving);
  }
  glutReshapeFunc(reshape);
  glutDisplayFunc(display);
  glutIdleFunc(idle);
}

bool initialise() {
  elapsedMs = glutGet(GLUT_ELAPSED_TIME);
  followMonitorHeight(scaleTextForMonitor);
  textOverlay.setDefaults();
  fixedClock = parseFixedClock(std::getenv("GYROTRAK_CLOCK"));
  // The first track and scene-clock offset come from the launch's own seed, so launches differ.
  const unsigned int seed = launchSeed(elapsedMs);
  seedRandom(seed);
  randomiseSceneClock();
  resetWithSeed(seed);

  setDefaultRenderState();
  setFogState();

  appendTexture(loadDataTexture("font.bmp", 128, -1, 0, false));
  textOverlay.fontTexture = textureTable[0];
  setUpSceneResources();

  // Replaces the "New Track" line the reset set: the first thing the user reads is this. In a
  // host's window no key reaches the program, and the pointer is the host's. In the 512 x 512
  // window the pointer stays the desktop's, an arrow as after "f".
  if (!windowIsHosted()) {
    textOverlay.postMessage(settingsDialog ? settingsDialogMessage : "Press ? key for Help Screen");
    if (fullScreen) {
      glutWarpPointer(450, 350);
      glutSetCursor(GLUT_CURSOR_NONE);
    } else {
      glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
    }
  }
  return true;
}

void idle() {
  waitForFrameSlot();
  glutPostRedisplay();
}

void display() {
  if (fixedClock.stepMs == 0) {
    elapsedMs = glutGet(GLUT_ELAPSED_TIME);
  } else {
    const int reading = nextFixedClockReading(fixedClock);
    if (reading >= 0) {
      elapsedMs = reading;
    } else if (exiting) {
      // Past the end the clock runs on only for an exit's fade.
      elapsedMs += fixedClock.stepMs;
    } else {
      // Out of steps: the last picture stays on screen and no more frames run.
      glutIdleFunc(nullptr);
      return;
    }
  }
  frame();
  // Swaps and makes sure the next frame finds the finished picture, whatever the driver's swap
  // leaves in the back buffer.
  showPicture();
  createMenuWhenWanted();
}

void reshape(int width, int height) {
  followWindowSize(width, height);
  followMonitorSize(width, height);
  glViewport(0, 0, width, height);
}
