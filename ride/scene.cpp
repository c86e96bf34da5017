#include "ride/scene.h"

#include <GL/gl.h>

#include <cmath>

#include "app/parameters.h"
#include "app/scene_clock.h"
#include "ride/billboard.h"
#include "ride/light.h"
#include "ride/sphere.h"
#include "ride/track.h"
#include "textures/scene_resources.h"
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

}  // namespace

void drawScene() {
  // The flare and the light circle together, once every 10 pi seconds.
  const Vector3 orbit = orbitPoint(sceneClock);
  glColor3f(brightness, brightness, 0);
  drawBillboard(textureTable[flareTextureEntry], orbit.x, orbit.y, orbit.z,
                params.objectSize * 0.125f);

  // Fog touches what follows up to the globe; lighting only the track and the globe.
  if (params.fogOn) glEnable(GL_FOG);
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
}
