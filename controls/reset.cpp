#include "controls/reset.h"

#include <GL/gl.h>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/random.h"
#include "controls/debug_readout.h"
#include "controls/keyboard.h"
#include "effects/particle_effects.h"
#include "ride/camera.h"
#include "ride/track.h"
#include "text/text_overlay.h"

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
