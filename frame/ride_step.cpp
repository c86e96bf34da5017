#include "frame/ride_step.h"

#include <cstdio>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "effects/star_field.h"
#include "frame/scene.h"
#include "frame/scene_resources.h"
#include "ride/camera.h"
#include "ride/track.h"
#include "text/text_overlay.h"
#include "text/text_scale.h"
#include "textures/flare_texture.h"
#include "textures/texture_table.h"

float trackStartTime = 0;
float flareTimer = 0;

namespace {

// A new shape every 120 seconds, counted from the first frame and then from each change.
void changeTrackWhenDue() {
  if (trackStartTime == 0) trackStartTime = elapsedTime;
  if (trackStartTime + 120 < elapsedTime) {
    track.generate(0.5f, 0.1f, 0.25f);
    trackStartTime = elapsedTime;
    char line[80];
    track.writeNewTrackLine(line, sizeof line);
    textOverlay.setMessage(line);
  }
}

// The flare turns one step whenever more than 0.07 s of frames have gathered; the excess is
// dropped.
void tickFlare() {
  flareTimer += frameDelta;
  if (flareTimer > 0.07f) {
    flareTimer = 0;
    animateFlareTexture(textureTable[flareTextureEntry]);
  }
}

// The manual camera's angles, drawn for this frame only: they do not become the message line.
void drawCameraAngles() {
  textOverlay.rememberText = 0;
  char line[80];
  std::snprintf(line, sizeof line, "Heading %3.0f", camera.heading);
  const short x = scaledPixels(10, textScale);
  textOverlay.drawText(line, x, scaledPixels(40, textScale), 20 * textScale);
  std::snprintf(line, sizeof line, "Pitch   %3.0f", camera.pitch);
  textOverlay.drawText(line, x, scaledPixels(60, textScale), 20 * textScale);
  textOverlay.rememberText = 1;
}

}  // namespace

void rideStep() {
  changeTrackWhenDue();
  if (params.universeOn) starField.draw();
  tickFlare();
  drawScene();
  if (params.cameraMode == 1) drawCameraAngles();
  textOverlay.setDefaults();
}
