#include "frame/frame.h"

#include <GL/gl.h>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/random.h"
#include "base/scene_clock.h"
#include "controls/help_screen.h"
#include "frame/clock_epoch.h"
#include "frame/projection.h"
#include "frame/ride_step.h"
#include "frame/screen_overlay.h"
#include "frame/title.h"
#include "text/text_overlay.h"
#include "window/window.h"

namespace {

// Depth always; colour in full-blanking mode, once on a command's request, or once when the
// buffer lost its picture. Otherwise the previous picture, darkened by the blanking overlay,
// stays under the new one.
void clearBuffers() {
  glClear(GL_DEPTH_BUFFER_BIT);
  if (params.fullBlanking || forceClear || pictureLost) glClear(GL_COLOR_BUFFER_BIT);
  forceClear = 0;
  pictureLost = 0;
}

// Window-coordinate layers over the scene, later ones covering earlier ones. A screen saver
// shows its picture and nothing else: in a host's window, only the frame-rate line, and only
// when it is asked for.
void drawTextLayers() {
  if (windowIsHosted()) {
    if (params.fpsClockOn) textOverlay.drawFrameRate(framesPerSecond);
    return;
  }
  if (textOverlay.messageExpiry != 0) textOverlay.drawMessageLine();
  if (params.fpsClockOn) textOverlay.drawFrameRate(framesPerSecond);
  if (helpShown) drawHelpScreen();
  textOverlay.drawGlError();
  // The title glides across the window: it would cross the help page.
  if (!helpShown) drawStartupTitle();
}

}  // namespace

void frame() {
  // On average one frame in a hundred restarts the sequence from the current millisecond.
  if (random(1) < 0.01) seedRandom(static_cast<unsigned int>(elapsedMs));

  advanceFrameClock();
  moveClockEpochWhenDue();
  advanceSceneClock(frameDelta);
  countFrame(elapsedTime, frameCount, framesPerSecond, nextSecondTime);

  blankPreviousPicture();
  clearBuffers();

  setUpProjection();
  applyView();
  rideStep();

  drawTextLayers();
  runFadeStage();
}
