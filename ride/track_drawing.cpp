// The track as a ribbon of soft blue patches: one level, swept-back quad every second point.

#include <GL/gl.h>

#include <cmath>

#include "ride/angles.h"
#include "ride/track.h"
#include "ride/track_ribbon.h"

RibbonQuad ribbonQuad(const Track& path, int i, float scale) {
  const TrackPoint& a = path.points[i];
  const TrackPoint& b = path.points[(i + 2) % path.pointCount];
  const double h = a.heading * radiansPerDegree;
  const float w = scale * 0.001f;
  // Sideways plus the same amount backwards: the quad's cross edges sweep back 45 degrees.
  // The trigonometry is in double, each offset rounded to float once.
  const float ox = static_cast<float>((std::cos(h) - std::sin(h)) * w);
  const float oz = static_cast<float>((std::sin(h) + std::cos(h)) * w);
  return {{
      {0, 0.2f, scale * (a.x - ox), scale * a.y, scale * (a.z - oz)},
      {1, 0.2f, scale * (a.x + ox), scale * a.y, scale * (a.z + oz)},
      {1, 0.8f, scale * (b.x + ox), scale * b.y, scale * (b.z + oz)},
      {0, 0.8f, scale * (b.x - ox), scale * b.y, scale * (b.z - oz)},
  }};
}

void Track::draw(float scale, float blue) {
  glColor3f(0, 0, blue);
  glAlphaFunc(GL_GREATER, 0.05f);
  glEnable(GL_ALPHA_TEST);
  glEnable(GL_BLEND);
  // Always textured, whatever the textures switch says.
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);

  // All the patches in one draw: the renderer sets each glBegin up as a draw of its own.
  glBegin(GL_QUADS);
  for (int i = 0; i < pointCount; i += 2) {
    const RibbonQuad quad = ribbonQuad(*this, i, scale);
    for (const RibbonVertex& v : quad.vertices) {
      glTexCoord2f(v.s, v.t);
      glVertex3f(v.x, v.y, v.z);
    }
  }
  glEnd();

  glDisable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0);
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
}
