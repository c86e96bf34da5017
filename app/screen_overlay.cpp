#include "app/screen_overlay.h"

#include "app/frame_clock.h"
#include "app/parameters.h"
#include "app/program_exit.h"
#include "textures/scene_resources.h"

void screenOverlay(float) {}

void blankPreviousPicture() {
  if (params.fullBlanking == 0 && params.blankIntensity < 1)
    screenOverlay(params.blankIntensity * frameDelta * 40);
}

void runFadeStage() {
  if (elapsedTime < 2) {
    screenOverlay(1 - elapsedTime / 2);
  } else if (exitStartTime != 0) {
    screenOverlay((elapsedTime - exitStartTime) / 2);
    if (elapsedTime - exitStartTime > 2) {
      releaseSceneResources();
      exitProgram(0);
    }
  }
}
