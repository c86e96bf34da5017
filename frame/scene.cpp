#include "frame/scene.h"

#include <GL/gl.h>

#include <cmath>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/scene_clock.h"
#include "effects/particle_effects.h"
#include "frame/scene_resources.h"
#include "ride/billboard.h"
#include "ride/camera.h"
#include "ride/light.h"
#include "ride/sphere.h"
#include "ride/track.h"
#include "textures/texture_table.h"

Vector3 orbitPoint(double clock) {
  // The angle stays in double: the clock grows without bound, and a float angle would stop
  // the flare after days of running.
  const double angle = 0.2 * clock;
  return {static_cast<float>(std::cos(angle)), 0.8f, static_cast<float>(std::sin(angle))};
}

namespace {

// The small globe at the ride position, poles turned onto the z axis.
void drawGlobe() {
  glColor3f(0.5f, 0.5f, brightness);
  glPushMatrix();
  glTranslatef(track.position.x, track.position.y, track.position.z);
  glRotatef(90, 1, 0, 0);
  drawSphere(params.objectSize * 0.01f, params.tesselation, params.tesselation, 1, 1, 0, 0);
  glPopMatrix();
}

// One emission on the ground at (x, 0, z), then the update and the draw of an emitting system.
void emitMoveAndDraw(ParticleSystem& system, float x, float z) {
  system.emit(x, 0, z, elapsedTime, params.mainSpeed);
  system.update(elapsedTime, params);
  system.draw(params.objectSize, brightness, camera, elapsedTime);
}

}  // namespace

void drawScene() {
  // The two still systems are placed anew on the first frame after start-up or a reset.
  if (!groundGlows.seeded) seedGroundGlows(elapsedTime, params.mainSpeed);
  if (!motes.seeded) seedMotes(elapsedTime, params.mainSpeed);

  // The flare and the light circle together, once every 10 pi seconds.
  const Vector3 orbit = orbitPoint(sceneClock);
  glColor3f(brightness, brightness, 0);
  drawBillboard(textureTable[flareTextureEntry], orbit.x, orbit.y, orbit.z,
                params.objectSize * 0.125f);

  // Fog touches what follows up to the globe; lighting only the track and the globe.
  if (params.fogOn) glEnable(GL_FOG);
  motes.draw(params.objectSize, brightness, camera, elapsedTime);
  groundGlows.draw(params.objectSize, brightness, camera, elapsedTime);
  if (params.spotlightsOn) {
    setUpLight(0, orbit.x, orbit.y, orbit.z, 0.5f, 0.75f, 0.99f, 0.99f, brightness);
    glEnable(GL_LIGHTING);
  }
  glEnable(GL_DEPTH_TEST);
  track.draw(1.0f, brightness);

  glEnable(GL_CULL_FACE);
  if (params.texturesOn) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, globeTexture);
  }
  drawGlobe();

  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
  if (params.texturesOn) glDisable(GL_TEXTURE_2D);
  if (params.spotlightsOn) glDisable(GL_LIGHTING);
  if (params.fogOn) glDisable(GL_FOG);

  // Motes first: the update step is shared, so the two emitting systems after them move by
  // the floor step of 0.005 s each frame.
  motes.update(elapsedTime, params);
  emitMoveAndDraw(fountain, 0.4f, 0.4f);
  emitMoveAndDraw(smoke, -0.4f, -0.4f);
}
