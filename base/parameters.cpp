#include "base/parameters.h"

#include "base/setting_options.h"

Parameters params;

float brightness = 1.0f;
int exiting = 0;
float exitStartTime = 0;
int forceClear = 0;
int pictureLost = 0;

void resetParameters(Parameters& p) {
  p.fovDegrees = 100;
  p.letterbox = 0;
  p.tesselation = 10;
  p.universeOn = 1;
  p.fullBlanking = 0;
  p.spotlightsOn = 0;
  p.texturesOn = 1;
  p.polygonMode = 0;
  p.cameraMode = 0;
  p.optionIndex = 0;
  p.imageIndex = 0;
  p.fpsClockOn = 0;
  p.fogOn = 1;
  p.rotateSpeed = 1.0f;
  p.movementSpeed = 1.0f;
  p.cameraZ = 0.1f;
  p.objectSize = 1.0f;
  p.mainSpeed = 1.0f;
  p.homeEndFactor = 1.0f;
  p.f1f2Factor = 1.0f;
  p.f3f4Factor = 1.0f;
  p.f5f6Factor = 1.0f;
  p.f7f8Factor = 1.0f;
  p.fogDistance = 2.0f;
  p.blankIntensity = 0.5f;
  applySettingChoices(chosenSettings, p);
}
