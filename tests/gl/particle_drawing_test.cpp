// Particle drawing on a real context: the state it leaves and what it emits.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cfloat>

#include "app/parameters.h"
#include "app/projection.h"
#include "app/startup.h"
#include "effects/particle_system.h"
#include "gl_context.h"
#include "ride/camera.h"
#include "textures/scene_resources.h"
#include "textures/texture_table.h"

namespace {

GLint integer(GLenum name) {
  GLint value;
  glGetIntegerv(name, &value);
  return value;
}

bool depthMask() {
  GLboolean mask;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
  return mask;
}

// One particle at `at`, with the system's settings as given.
void emitOne(ParticleSystem& s, Vector3 at) {
  s.clear();
  s.emitInterval = 0;
  s.lifeSpan = -1;
  s.emit(at.x, at.y, at.z, 1, 1);
}

}  // namespace

TEST(ParticleDrawing, PutsBackTheDefaultsForWhatItsSettingsName) {
  gltest::startProgram();
  static ParticleSystem s;
  s.texture = static_cast<int>(textureTable[trackTextureEntry]);
  emitOne(s, {0, 0, -0.5f});
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ZERO);
  glDepthMask(GL_FALSE);
  s.draw(1, 1, camera, 1);
  for (GLenum f : {GL_ALPHA_TEST, GL_BLEND, GL_DEPTH_TEST, GL_TEXTURE_2D})
    EXPECT_FALSE(glIsEnabled(f)) << f;
  EXPECT_EQ(integer(GL_BLEND_SRC), GL_SRC_ALPHA);
  EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
  EXPECT_EQ(integer(GL_ALPHA_TEST_FUNC), GL_GREATER);
  EXPECT_TRUE(depthMask());

  // Without the depth test it touches neither the test nor the mask.
  s.depthTest = 0;
  glEnable(GL_DEPTH_TEST);
  glDepthMask(GL_FALSE);
  s.draw(1, 1, camera, 1);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(depthMask());
  glDepthMask(GL_TRUE);
  glDisable(GL_DEPTH_TEST);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(ParticleDrawing, PointsSitAtTheirPositionInTheirColourAndSize) {
  gltest::startProgram();
  static ParticleSystem s;
  s.startSize = 2;
  s.colorStart = {0, 1, 0};
  emitOne(s, {0.3f, 0.1f, 0.3f});
  glViewport(0, 0, 400, 400);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const auto points = gltest::captureFeedback([] { s.draw(1.6f, 1, camera, 1); });
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].token, static_cast<GLenum>(GL_POINT_TOKEN));
  EXPECT_NEAR(points[0].vertices[0].x, 260, 1e-3);  // (0.3 + 1) / 2 * 400
  EXPECT_NEAR(points[0].vertices[0].y, 220, 1e-3);
  EXPECT_EQ(points[0].vertices[0].g, 1);
  EXPECT_EQ(points[0].vertices[0].r, 0);
  GLfloat size;
  glGetFloatv(GL_POINT_SIZE, &size);
  EXPECT_EQ(size, 3);  // 1.6 * 2 = 3.2 whole pixels
}

TEST(ParticleDrawing, SpritesFaceTheEyeAndOversizedOnesAreLeftOut) {
  gltest::startProgram();
  params.cameraMode = 2;  // pose the camera by hand
  camera.heading = 70;
  camera.pitch = -25;
  camera.position = {0, 0, 0};
  setUpProjection();
  applyView();
  static ParticleSystem s;
  s.texture = static_cast<int>(textureTable[trackTextureEntry]);
  s.depthTest = 0;
  // Half a unit straight ahead of the eye: the eye-space point (0, 0, -0.5) taken back through
  // the rigid model-view transform.
  GLfloat m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  const float eye[3] = {-m[12], -m[13], -0.5f - m[14]};
  Vector3 ahead;
  float* world[3] = {&ahead.x, &ahead.y, &ahead.z};
  for (int j = 0; j < 3; j++)
    *world[j] = m[j * 4] * eye[0] + m[j * 4 + 1] * eye[1] + m[j * 4 + 2] * eye[2];
  emitOne(s, ahead);
  for (int spinning : {0, 1}) {
    s.spinning = spinning;
    s.particles[0].roll = 0;
    const auto quads =
        gltest::reassembleQuads(gltest::captureFeedback([] { s.draw(1, 1, camera, 1); }));
    ASSERT_EQ(quads.size(), 1u) << spinning;
    const auto& v = quads[0].vertices;
    EXPECT_NEAR(v[0].y, v[1].y, 1e-2) << spinning;  // a square seen face on
    EXPECT_NEAR(v[1].x, v[2].x, 1e-2) << spinning;
    EXPECT_NEAR(v[1].x - v[0].x, v[2].y - v[1].y, 1e-2) << spinning;
    EXPECT_NEAR((v[0].x + v[2].x) / 2, windowWidth / 2.0f, 0.5f) << spinning;
  }
  s.particles[0].size = 10;  // times FLT_MAX: beyond the float range
  for (int spinning : {0, 1}) {
    s.spinning = spinning;
    EXPECT_TRUE(gltest::captureFeedback([] { s.draw(FLT_MAX, 1, camera, 1); }).empty());
  }
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
