// A particle system's picture: the colour rule and point sizes, and the GL routine that draws
// every live particle with them.

#include "effects/particle_drawing.h"

#include <cmath>

#include "app/blend.h"
#include "ride/camera.h"

namespace {

// Indexed by a system's blendSource and blendDest.
const GLenum sourceFactors[] = {
    GL_ZERO,                 // 0
    GL_ONE,                  // 1
    GL_SRC_ALPHA,            // 2
    GL_ONE_MINUS_SRC_ALPHA,  // 3
    GL_DST_ALPHA,            // 4
    GL_ONE_MINUS_DST_ALPHA,  // 5
    GL_DST_COLOR,            // 6
    GL_ONE_MINUS_DST_COLOR,  // 7
    GL_SRC_ALPHA_SATURATE,   // 8
};
const GLenum destFactors[] = {
    GL_ZERO,                 // 0
    GL_ONE,                  // 1
    GL_SRC_ALPHA,            // 2
    GL_ONE_MINUS_SRC_ALPHA,  // 3
    GL_DST_ALPHA,            // 4
    GL_ONE_MINUS_DST_ALPHA,  // 5
    GL_SRC_COLOR,            // 6
    GL_ONE_MINUS_SRC_COLOR,  // 7
};
constexpr int sourceFactorCount = sizeof sourceFactors / sizeof sourceFactors[0];
constexpr int destFactorCount = sizeof destFactors / sizeof destFactors[0];

bool isFinite(const Vector3& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool isFinite(const Rgba& c) {
  return std::isfinite(c.r) && std::isfinite(c.g) && std::isfinite(c.b) && std::isfinite(c.a);
}

void setUpState(const ParticleSystem& s) {
  if (s.alphaTest) {
    glAlphaFunc(GL_GREATER, 0.1f);
    glEnable(GL_ALPHA_TEST);
  }
  if (s.blend) {
    glBlendFunc(particleSourceFactor(s.blendSource), particleDestFactor(s.blendDest));
    glEnable(GL_BLEND);
  }
  if (s.depthTest) {
    if (!s.depthWrite) glDepthMask(GL_FALSE);
    glEnable(GL_DEPTH_TEST);
  }
  if (s.texture >= 0) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(s.texture));
  }
}

// Back to the program's defaults for everything setUpState touched.
void tearDownState(const ParticleSystem& s) {
  if (s.alphaTest) {
    glDisable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0);
  }
  if (s.blend) {
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  }
  if (s.depthTest) {
    glDisable(GL_DEPTH_TEST);
    if (!s.depthWrite) glDepthMask(GL_TRUE);
  }
  if (s.texture >= 0) glDisable(GL_TEXTURE_2D);
}

// A quad around the translated origin, corners counter-clockwise from the bottom-left: r and u
// are the half-width vectors along the sprite's s and t directions.
void drawFacingSprite(const ParticleSystem& s, const Vector3& r, const Vector3& u) {
  glBegin(GL_QUADS);
  glTexCoord2f(s.texS0, s.texT0);
  glVertex3f(-r.x - u.x, -r.y - u.y, -r.z - u.z);
  glTexCoord2f(s.texS1, s.texT0);
  glVertex3f(r.x - u.x, r.y - u.y, r.z - u.z);
  glTexCoord2f(s.texS1, s.texT1);
  glVertex3f(r.x + u.x, r.y + u.y, r.z + u.z);
  glTexCoord2f(s.texS0, s.texT1);
  glVertex3f(-r.x + u.x, -r.y + u.y, -r.z + u.z);
  glEnd();
}

// Undoing the camera's heading and pitch turns the quad's plane towards the eye; the
// particle's own angles then tilt it and its roll spins it in that plane.
void drawTurnedSprite(const ParticleSystem& s, const Particle& p, const Camera& camera, float h) {
  glRotatef(-camera.heading - p.heading, 0, 1, 0);
  glRotatef(-camera.pitch - p.pitch, 1, 0, 0);
  glRotatef(-camera.roll - p.roll, 0, 0, 1);
  glBegin(GL_QUADS);
  glTexCoord2f(s.texS0, s.texT0);
  glVertex2f(-h, -h);
  glTexCoord2f(s.texS1, s.texT0);
  glVertex2f(h, -h);
  glTexCoord2f(s.texS1, s.texT1);
  glVertex2f(h, h);
  glTexCoord2f(s.texS0, s.texT1);
  glVertex2f(-h, h);
  glEnd();
}

void drawPoint(float sizeScale, const Particle& p) {
  glPointSize(static_cast<GLfloat>(particlePointSize(sizeScale, p.size)));
  glBegin(GL_POINTS);
  glVertex3f(0, 0, 0);
  glEnd();
}

enum class SpriteMode { points, facing, turned };

SpriteMode modeOf(const ParticleSystem& s) {
  if (s.texture < 0) return SpriteMode::points;
  return s.spinning ? SpriteMode::turned : SpriteMode::facing;
}

// What stays the same for every particle of one draw call.
struct DrawCall {
  const ParticleSystem& system;
  const Camera& camera;
  float sizeScale, brightness, time;
  SpriteMode mode;
  Vector3 right, up;  // facing sprites: the eye's axes times sizeScale
};

Vector3 times(const Vector3& v, float k) {
  return {v.x * k, v.y * k, v.z * k};
}

// Main speed and object size have no upper bound, so a colour, a place or a size can leave the
// float range; nothing that is not a finite number reaches OpenGL: such a particle is skipped.
void drawParticle(const DrawCall& d, const Particle& p) {
  const ParticleSystem& s = d.system;
  const Rgba c = particleColor(s, p, d.brightness, d.time);
  const Vector3 at = {p.position.x + s.drawOffset.x, p.position.y + s.drawOffset.y,
                      p.position.z + s.drawOffset.z};
  const Vector3 r = times(d.right, p.size);
  const Vector3 u = times(d.up, p.size);
  const float h = d.sizeScale * p.size;
  if (!isFinite(c) || !isFinite(at)) return;
  if (d.mode == SpriteMode::facing && !(isFinite(r) && isFinite(u))) return;
  if (d.mode == SpriteMode::turned && !std::isfinite(h)) return;

  glColor4f(c.r, c.g, c.b, c.a);
  glPushMatrix();
  glTranslatef(at.x, at.y, at.z);
  switch (d.mode) {
    case SpriteMode::points:
      drawPoint(d.sizeScale, p);
      break;
    case SpriteMode::facing:
      drawFacingSprite(s, r, u);
      break;
    case SpriteMode::turned:
      drawTurnedSprite(s, p, d.camera, h);
      break;
  }
  glPopMatrix();
}

}  // namespace

GLenum particleSourceFactor(int index) {
  return index >= 0 && index < sourceFactorCount ? sourceFactors[index] : GL_SRC_ALPHA;
}

GLenum particleDestFactor(int index) {
  return index >= 0 && index < destFactorCount ? destFactors[index] : GL_ONE;
}

Rgba particleColor(const ParticleSystem& s, const Particle& p, float brightness, float time) {
  // The same test as the death in update: a life that is not positive never ends.
  if (!(p.life > 0)) {
    const float a = brightness * s.alphaStart;
    return {s.colorStart.r * a, s.colorStart.g * a, s.colorStart.b * a, a};
  }
  const float f = (time - p.birthTime) / p.life;  // age as a fraction of the life
  const float a = cosineBlend(brightness * s.alphaStart, brightness * s.alphaEnd, f);
  return {linearBlend(s.colorStart.r, s.colorEnd.r, f) * a,
          linearBlend(s.colorStart.g, s.colorEnd.g, f) * a,
          linearBlend(s.colorStart.b, s.colorEnd.b, f) * a, a};
}

int particlePointSize(float sizeScale, float size) {
  float s = sizeScale * size;
  if (!(s >= 1)) s = 1;
  if (s > 4) s = 4;
  return static_cast<int>(s);
}

void ParticleSystem::draw(float sizeScale, float brightness, const Camera& camera, float time) {
  setUpState(*this);
  DrawCall call{*this, camera, sizeScale, brightness, time, modeOf(*this), {}, {}};
  if (call.mode == SpriteMode::facing) {
    // The eye's right and up directions in world coordinates, read once per call.
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    call.right = {m[0] * sizeScale, m[4] * sizeScale, m[8] * sizeScale};
    call.up = {m[1] * sizeScale, m[5] * sizeScale, m[9] * sizeScale};
  }
  for (const Particle& p : particles) {
    if (p.alive) drawParticle(call, p);
  }
  tearDownState(*this);
}
