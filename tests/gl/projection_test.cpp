#include "frame/projection.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "controls/keyboard.h"
#include "controls/pointer.h"
#include "controls/reset.h"
#include "gl_context.h"
#include "ride/camera.h"
#include "ride/track.h"
#include "window/window.h"

namespace {

struct Matrix {
  GLfloat m[16];
};

Matrix matrixOf(GLenum which) {
  Matrix result;
  glGetFloatv(which, result.m);
  return result;
}

void expectPerspective(const Matrix& p, float fovy, float aspect, float zNear, float zFar) {
  const float f = 1 / std::tan(fovy / 2 * 3.14159265f / 180);
  EXPECT_NEAR(p.m[5], f, 1e-4 * f);
  EXPECT_NEAR(p.m[0], f / aspect, 1e-4 * f);
  EXPECT_NEAR(p.m[10], (zFar + zNear) / (zNear - zFar), 1e-5);
  EXPECT_NEAR(p.m[11], -1, 1e-6);
  EXPECT_NEAR(p.m[14], 2 * zFar * zNear / (zNear - zFar), 1e-7);
}

}  // namespace

TEST(SetUpProjection, LetterboxSixNarrowsViewportAndView) {
  ASSERT_EQ(windowWidth, 1024);
  ASSERT_EQ(windowHeight, 768);
  reset();
  params.letterbox = 6;
  setUpProjection();

  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[0], 0);
  EXPECT_EQ(viewport[1], 230);
  EXPECT_EQ(viewport[2], 1024);
  EXPECT_EQ(viewport[3], 307);
  expectPerspective(matrixOf(GL_PROJECTION_MATRIX), 71, 1024.0f / 307, 0.0001f, 14.1f);

  GLint mode;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(SetUpProjection, EyeSitsCameraZInFrontLookingDownZAndFarPlaneFollows) {
  reset();
  params.cameraZ = 2;
  setUpProjection();
  const Matrix view = matrixOf(GL_MODELVIEW_MATRIX);
  const float identityRotation[] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0};
  for (int i = 0; i < 12; i++) EXPECT_NEAR(view.m[i], identityRotation[i], 1e-6);
  EXPECT_NEAR(view.m[14], -2, 1e-6);
  expectPerspective(matrixOf(GL_PROJECTION_MATRIX), 100, 1024.0f / 768, 0.0001f, 16);
}

TEST(SetUpProjection, FogRangeStartsAtTheCamera) {
  reset();
  params.cameraZ = 0.5f;
  params.fogDistance = 3;
  setUpProjection();
  GLfloat start, end;
  glGetFloatv(GL_FOG_START, &start);
  glGetFloatv(GL_FOG_END, &end);
  EXPECT_FLOAT_EQ(start, 0.5f);
  EXPECT_FLOAT_EQ(end, 3.5f);

  params.fogOn = 0;  // fog off: the range is left as it was
  params.fogDistance = 10;
  setUpProjection();
  glGetFloatv(GL_FOG_END, &end);
  EXPECT_FLOAT_EQ(end, 3.5f);
}

TEST(SetUpProjection, PolygonModeFromTheBlockAndUnknownValuesLeaveIt) {
  reset();
  GLint modes[2];
  const struct {
    int mode;
    GLint expected;
  } cases[] = {{1, GL_LINE}, {2, GL_POINT}, {7, GL_POINT}, {0, GL_FILL}, {-1, GL_FILL}};
  for (const auto& c : cases) {
    params.polygonMode = c.mode;
    setUpProjection();
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], c.expected) << c.mode;
    EXPECT_EQ(modes[1], c.expected) << c.mode;
  }
}

TEST(SetUpProjection, WindowWithoutHeightRaisesNoError) {
  reset();
  const int width = windowWidth;
  const int height = windowHeight;
  while (glGetError() != GL_NO_ERROR) {
  }
  for (int w : {width, 0}) {
    windowWidth = w;
    windowHeight = 0;  // as a minimised window reports
    setUpProjection();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    const Matrix p = matrixOf(GL_PROJECTION_MATRIX);
    for (float v : p.m) EXPECT_TRUE(std::isfinite(v)) << w;
  }
  windowWidth = width;

  windowHeight = 1;  // letterbox 6 of a one-pixel window leaves nothing
  params.letterbox = 6;
  setUpProjection();
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  windowHeight = height;
}

TEST(ApplyView, RotatesByPitchThenHeadingAndMovesThePositionToTheOrigin) {
  reset();
  params.cameraMode = 2;  // neither mode: the camera is left as set here
  camera.pitch = 30;
  camera.heading = 90;
  camera.position = {1, 2, 3};
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  applyView();
  // The camera position itself lands on the eye's origin.
  const Matrix m = matrixOf(GL_MODELVIEW_MATRIX);
  const float x = 1, y = 2, z = 3;
  EXPECT_NEAR(m.m[0] * x + m.m[4] * y + m.m[8] * z + m.m[12], 0, 1e-5);
  EXPECT_NEAR(m.m[1] * x + m.m[5] * y + m.m[9] * z + m.m[13], 0, 1e-5);
  EXPECT_NEAR(m.m[2] * x + m.m[6] * y + m.m[10] * z + m.m[14], 0, 1e-5);
  // Heading 90 turns +x to straight ahead (-z) before the pitch tilts it.
  const float c = std::cos(30 * 3.14159265f / 180);
  const float s = std::sin(30 * 3.14159265f / 180);
  EXPECT_NEAR(m.m[0], 0, 1e-6);
  EXPECT_NEAR(m.m[1], s, 1e-6);
  EXPECT_NEAR(m.m[2], -c, 1e-6);
}

TEST(ApplyView, ManualCameraTurnsByTheOffsetWhilePausedRideStandsStill) {
  reset();
  params.cameraMode = 1;
  paused = 1;
  frameDelta = 0.05f;
  camera.position = {0.1f, 0.2f, 0.3f};
  pointerDX = 20;
  pointerDY = -10;
  pointerMoved = 1;
  const int segment = track.segment;
  const float fraction = track.fraction;
  applyView();
  EXPECT_FLOAT_EQ(camera.heading, 2);
  EXPECT_FLOAT_EQ(camera.pitch, -1);
  EXPECT_EQ(pointerMoved, 0);
  applyView();  // the offset keeps turning once per frame
  EXPECT_FLOAT_EQ(camera.heading, 4);
  EXPECT_EQ(track.segment, segment);
  EXPECT_EQ(track.fraction, fraction);
  EXPECT_FLOAT_EQ(camera.position.z, 0.3f);

  paused = 0;  // manual mode: the ride moves on, the camera stays
  applyView();
  EXPECT_NE(track.fraction, fraction);
  EXPECT_FLOAT_EQ(camera.position.z, 0.3f);
}
