// Particle drawing on a real context: the state it leaves and what it emits.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cfloat>

#include "base/parameters.h"
#include "effects/particle_system.h"
#include "frame/projection.h"
#include "frame/scene_resources.h"
#include "gl_context.h"
#include "ride/camera.h"
#include "textures/texture_table.h"
#include "window/window.h"

namespace {

GLint integer(GLenum name) {
  GLint value;
  glGetIntegerv(name, &value);
  return value;
}

Particle& emitOne(ParticleSystem& s, Vector3 at) {
  s.emitInterval = 0;
  s.lifeSpan = -1;
  return s.particles[s.emit(at.x, at.y, at.z, 1, 1)];
}

}  // namespace

TEST(ParticleDrawing, PointsSitInPlaceAndTheDefaultsComeBack) {
  gltest::startProgram();
  static ParticleSystem s;
  s.startSize = 2;
  emitOne(s, {0.3f, 0.1f, 0.3f});
  glViewport(0, 0, 400, 400);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ZERO);
  glDepthMask(GL_FALSE);
  const auto points = gltest::captureFeedback([] { s.draw(1.6f, 1, camera, 1); });
  ASSERT_EQ(points.size(), 1u);
  EXPECT_NEAR(points[0].vertices[0].x, 260, 1e-3);  // (0.3 + 1) / 2 * 400
  EXPECT_NEAR(points[0].vertices[0].y, 220, 1e-3);
  GLfloat size;
  glGetFloatv(GL_POINT_SIZE, &size);
  EXPECT_EQ(size, 3);  // 1.6 * 2 in whole pixels
  for (GLenum f : {GL_ALPHA_TEST, GL_BLEND, GL_DEPTH_TEST}) EXPECT_FALSE(glIsEnabled(f)) << f;
  EXPECT_EQ(integer(GL_BLEND_SRC), GL_SRC_ALPHA);
  EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
  EXPECT_EQ(integer(GL_DEPTH_WRITEMASK), GL_TRUE);

  // Without the depth test it touches neither the test nor the mask.
  s.depthTest = 0;
  glEnable(GL_DEPTH_TEST);
  glDepthMask(GL_FALSE);
  s.draw(1, 1, camera, 1);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_EQ(integer(GL_DEPTH_WRITEMASK), GL_FALSE);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(ParticleDrawing, SpritesFaceTheEyeAndOversizedOnesAreLeftOut) {
  gltest::startProgram();
  params.cameraMode = 2;  // pose the camera by hand
  camera.heading = 70;
  camera.pitch = -25;
  setUpProjection();
  applyView();
  // Half a unit ahead of the eye, which sits cameraZ behind the origin: the view axis is the
  // third row of the rotation.
  GLfloat m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  const float d = params.cameraZ - 0.5f;
  static ParticleSystem s;
  s.texture = static_cast<int>(textureTable[trackTextureEntry]);
  s.depthTest = 0;
  Particle& p = emitOne(s, {d * m[2], d * m[6], d * m[10]});
  for (int spinning : {0, 1}) {
    s.spinning = spinning;
    p.roll = 0;
    const auto quads =
        gltest::reassembleQuads(gltest::captureFeedback([] { s.draw(1, 1, camera, 1); }));
    ASSERT_EQ(quads.size(), 1u) << spinning;
    const auto& v = quads[0].vertices;  // a square seen face on, in the middle of the window
    EXPECT_NEAR(v[0].y, v[1].y, 1e-2) << spinning;
    EXPECT_NEAR(v[1].x - v[0].x, v[2].y - v[1].y, 1e-2) << spinning;
    EXPECT_NEAR((v[0].x + v[2].x) / 2, windowWidth / 2.0f, 0.5f) << spinning;

    p.size = 10;  // times FLT_MAX: beyond the float range
    EXPECT_TRUE(gltest::captureFeedback([] { s.draw(FLT_MAX, 1, camera, 1); }).empty());
    p.size = 0.1f;
  }
}
