#include "app/parameters.h"

#include <GL/gl.h>

#include "app/frame_clock.h"
#include "app/random.h"
#include "app/setting_options.h"
#include "controls/debug_readout.h"
#include "effects/particle_effects.h"
#include "ride/camera.h"
#include "ride/track.h"
#include "text/text_overlay.h"

int paused = 0;
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

void reset() {
  resetWithSeed(static_cast<unsigned int>(elapsedMs));
}

void resetWithSeed(unsigned int seed) {
  seedRandom(seed);
  glClearColor(0, 0, 0, 1);

  resetParameters(params);
  brightness = 1.0f;
  paused = 0;
  exiting = 0;
  exitStartTime = 0;
  clearParticleEffects();

  resetCamera(camera, params);
  resetDebugCounters();

  track.generate(0.5f, 0.1f, 0.25f);
  char line[80];
  track.writeNewTrackLine(line, sizeof line);
  textOverlay.setMessage(line);
}
