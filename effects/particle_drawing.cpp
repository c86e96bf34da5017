// A particle system's picture: the colour rule and point sizes, and the GL routine that draws
// every live particle with them.

#include "effects/particle_drawing.h"

#include <cmath>

#include "base/blend.h"
#include "ride/angles.h"
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

// The blend factors a system's blendSource (0..8) and blendDest (0..7) name. An index outside
// its table gives the default of the settings (GL_SRC_ALPHA, GL_ONE).
GLenum particleSourceFactor(int index) {
  return index >= 0 && index < sourceFactorCount ? sourceFactors[index] : GL_SRC_ALPHA;
}

GLenum particleDestFactor(int index) {
  return index >= 0 && index < destFactorCount ? destFactors[index] : GL_ONE;
}

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

// A sprite's corners in world coordinates, counter-clockwise from the bottom-left, the order of
// its texture corners (s0, t0), (s1, t0), (s1, t1), (s0, t1).
struct SpriteCorners {
  Vector3 corners[4];
};

// Around at along r and u, the half-width right and up vectors in world coordinates.
SpriteCorners facingCorners(const Vector3& at, const Vector3& r, const Vector3& u) {
  return {{{at.x - r.x - u.x, at.y - r.y - u.y, at.z - r.z - u.z},
           {at.x + r.x - u.x, at.y + r.y - u.y, at.z + r.z - u.z},
           {at.x + r.x + u.x, at.y + r.y + u.y, at.z + r.z + u.z},
           {at.x - r.x + u.x, at.y - r.y + u.y, at.z - r.z + u.z}}};
}

// A square of half-width half around at, turned as glRotatef turns it: by heading about y, then
// pitch about x, then roll about z (degrees), the last applied first.
SpriteCorners turnedCorners(const Vector3& at, float half, float heading, float pitch, float roll) {
  const double a = heading * radiansPerDegree, b = pitch * radiansPerDegree,
               c = roll * radiansPerDegree;
  const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b),
               cc = std::cos(c), sc = std::sin(c);
  const float signs[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
  SpriteCorners q;
  for (int i = 0; i < 4; ++i) {
    const double x = signs[i][0] * half, y = signs[i][1] * half;
    const double rx = x * cc - y * sc, ry = x * sc + y * cc;  // roll about z
    const double py = ry * cb, pz = ry * sb;                  // pitch about x
    q.corners[i] = {static_cast<float>(at.x + rx * ca + pz * sa), static_cast<float>(at.y + py),
                    static_cast<float>(at.z - rx * sa + pz * ca)};  // heading about y
  }
  return q;
}

// One system's sprites or points, drawn with one call: every particle's corners, texture
// corners and colour are put here first. Static, so that a frame allocates nothing.
struct BatchVertex {
  GLfloat x, y, z;
  GLfloat s, t;
  GLfloat r, g, b, a;
};
BatchVertex batch[ParticleSystem::poolSize * 4];
int batched = 0;

void addVertex(const Vector3& v, float s, float t, const Rgba& c) {
  batch[batched++] = {v.x, v.y, v.z, s, t, c.r, c.g, c.b, c.a};
}

void addSprite(const ParticleSystem& s, const SpriteCorners& q, const Rgba& c) {
  addVertex(q.corners[0], s.texS0, s.texT0, c);
  addVertex(q.corners[1], s.texS1, s.texT0, c);
  addVertex(q.corners[2], s.texS1, s.texT1, c);
  addVertex(q.corners[3], s.texS0, s.texT1, c);
}

// Draws what is batched and empties the batch; the client arrays are switched off again.
void drawBatch(GLenum mode, bool textured) {
  if (batched == 0) return;
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(BatchVertex), &batch[0].x);
  glColorPointer(4, GL_FLOAT, sizeof(BatchVertex), &batch[0].r);
  if (textured) {
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, sizeof(BatchVertex), &batch[0].s);
  }
  glDrawArrays(mode, 0, batched);
  if (textured) glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  batched = 0;
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
// float range; nothing that is not a finite number reaches OpenGL: such a particle is left out.
// Points of the given size only (sizes go in separate calls); returns the colour batched.
bool batchParticle(const DrawCall& d, const Particle& p, int pointSize, Rgba& colour) {
  const ParticleSystem& s = d.system;
  if (d.mode == SpriteMode::points && particlePointSize(d.sizeScale, p.size) != pointSize)
    return false;
  const Rgba c = particleColor(s, p, d.brightness, d.time);
  const Vector3 at = {p.position.x + s.drawOffset.x, p.position.y + s.drawOffset.y,
                      p.position.z + s.drawOffset.z};
  if (!isFinite(c) || !isFinite(at)) return false;
  switch (d.mode) {
    case SpriteMode::points:
      addVertex(at, 0, 0, c);
      break;
    case SpriteMode::facing: {
      const Vector3 r = times(d.right, p.size);
      const Vector3 u = times(d.up, p.size);
      if (!(isFinite(r) && isFinite(u))) return false;
      addSprite(s, facingCorners(at, r, u), c);
      break;
    }
    case SpriteMode::turned: {
      const float h = d.sizeScale * p.size;
      if (!std::isfinite(h)) return false;
      // Undoing the camera's heading and pitch turns the square's plane towards the eye; the
      // particle's own angles then tilt it and its roll spins it in that plane.
      addSprite(s,
                turnedCorners(at, h, -d.camera.heading - p.heading, -d.camera.pitch - p.pitch,
                              -d.camera.roll - p.roll),
                c);
      break;
    }
  }
  colour = c;
  return true;
}

}  // namespace

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

void ParticleSystem::draw(float sizeScale, float brightness, const Camera& viewer, float time) {
  setUpState(*this);
  DrawCall call{*this, viewer, sizeScale, brightness, time, modeOf(*this), {}, {}};
  if (call.mode == SpriteMode::facing) {
    // The eye's right and up directions in world coordinates, read once per call.
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    call.right = {m[0] * sizeScale, m[4] * sizeScale, m[8] * sizeScale};
    call.up = {m[1] * sizeScale, m[5] * sizeScale, m[9] * sizeScale};
  }
  // Points go in one call per size, 1 to 4 pixels; sprites all in one. A colour array leaves
  // the current colour undefined, so the last particle's colour is made current again, as
  // drawing the particles one by one left it.
  Rgba last{};
  bool any = false;
  const int sizes = call.mode == SpriteMode::points ? 4 : 1;
  for (int size = 1; size <= sizes; ++size) {
    for (const Particle& p : particles)
      if (p.alive) any = batchParticle(call, p, size, last) || any;
    if (call.mode == SpriteMode::points && batched > 0) glPointSize(static_cast<GLfloat>(size));
    drawBatch(call.mode == SpriteMode::points ? GL_POINTS : GL_QUADS,
              call.mode != SpriteMode::points);
  }
  if (any) glColor4f(last.r, last.g, last.b, last.a);
  tearDownState(*this);
}
