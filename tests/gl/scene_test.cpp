// The scene's drawing routines on a real context: what they emit, what they leave switched on,
// and what ends up on screen.

#include "frame/scene.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/scene_clock.h"
#include "controls/reset.h"
#include "effects/particle_effects.h"
#include "frame/projection.h"
#include "gl_context.h"
#include "ride/billboard.h"
#include "ride/camera.h"
#include "ride/light.h"
#include "ride/sphere.h"
#include "ride/track.h"
#include "window/window.h"

namespace {

const GLenum features[] = {GL_ALPHA_TEST, GL_BLEND,    GL_DEPTH_TEST, GL_TEXTURE_2D,
                           GL_FOG,        GL_LIGHTING, GL_CULL_FACE};

// Every optional feature on, depth writes off and odd blend and alpha functions: the opposite
// of the state the drawing routines must leave.
void switchEverythingOn() {
  for (GLenum f : features) glEnable(f);
  glDepthMask(GL_FALSE);
  glBlendFunc(GL_ONE, GL_ZERO);
  glAlphaFunc(GL_LESS, 0.5f);
}

void expectOff(GLenum feature) {
  EXPECT_FALSE(glIsEnabled(feature)) << std::hex << feature;
}

void expectProgramDefaults() {
  GLint value;
  glGetIntegerv(GL_BLEND_SRC, &value);
  EXPECT_EQ(value, GL_SRC_ALPHA);
  glGetIntegerv(GL_BLEND_DST, &value);
  EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
  glGetIntegerv(GL_ALPHA_TEST_FUNC, &value);
  EXPECT_EQ(value, GL_GREATER);
  GLfloat reference;
  glGetFloatv(GL_ALPHA_TEST_REF, &reference);
  EXPECT_EQ(reference, 0);
}

// The view the frame sets up, from the ride's current pose.
void setUpView() {
  setUpProjection();
  applyView();
}

int countPixels(bool (*matches)(const std::array<unsigned char, 4>&)) {
  static std::vector<unsigned char> pixels;
  pixels.resize(static_cast<size_t>(windowWidth) * windowHeight * 4);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, windowWidth, windowHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  int count = 0;
  for (size_t i = 0; i < pixels.size(); i += 4) {
    if (matches({pixels[i], pixels[i + 1], pixels[i + 2], pixels[i + 3]})) count++;
  }
  return count;
}

// A parallel view straight down from 0.5 above the globe, 10000 pixels to the unit. The globe
// and a ring of track of radius 0.03 around it sit at (3, -3, 3), below the ground and away
// from everything else the scene draws; the flare, at the orbit point (1, 0.8, 0), is far out
// of sight.
const float pixelsPerUnit = 10000;
const Vector3 globeAt = {3, -3, 3};

void setUpTopView() {
  gltest::startProgram();
  reset();
  params.fogOn = 0;
  params.spotlightsOn = 0;
  sceneClock = 0;
  for (int i = 0; i < track.pointCount; i++) {
    const float a = i * 0.5f * 0.017453292f;
    track.points[i] = {globeAt.x + 0.03f * std::cos(a), globeAt.y, globeAt.z + 0.03f * std::sin(a),
                       0, 0};
  }
  track.position = globeAt;
  glViewport(0, 0, windowWidth, windowHeight);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  const double w = windowWidth / 2.0 / pixelsPerUnit, h = windowHeight / 2.0 / pixelsPerUnit;
  glOrtho(-w, w, -h, h, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0, 0, -0.5f);
  glRotatef(90, 1, 0, 0);  // world y is eye z
  glTranslatef(-globeAt.x, -globeAt.y, -globeAt.z);
}

// Back from window coordinates to the world in the top view: the distance from the centre.
float distanceFromCentre(const gltest::FeedbackVertex& v) {
  const float x = (v.x - windowWidth / 2.0f) / pixelsPerUnit;
  const float z = (windowHeight / 2.0f - v.y) / pixelsPerUnit;
  const float y = 1.5f - 2 * v.z;  // depth (1 - eye z) / 2, eye z = y - 0.5
  return std::sqrt(x * x + y * y + z * z);
}

void expectColour(const gltest::FeedbackVertex& v, float r, float g, float b) {
  EXPECT_NEAR(v.r, r, 1e-6);
  EXPECT_NEAR(v.g, g, 1e-6);
  EXPECT_NEAR(v.b, b, 1e-6);
  EXPECT_NEAR(v.a, 1, 1e-6);
}

}  // namespace

TEST(Billboard, FacesTheEyeAndLeavesTheDefaults) {
  gltest::startProgram();
  reset();
  params.cameraMode = 2;  // pose the camera by hand
  camera.heading = 70;
  camera.pitch = -25;
  camera.position = {0.2f, 0.3f, 0.4f};
  setUpView();
  // The world point 0.5 straight ahead of the eye: the eye-space point (0, 0, -0.5) taken back
  // through the rigid model-view transform.
  GLfloat m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  const float eye[3] = {-m[12], -m[13], -0.5f - m[14]};
  float ahead[3];
  for (int j = 0; j < 3; j++)
    ahead[j] = m[j * 4] * eye[0] + m[j * 4 + 1] * eye[1] + m[j * 4 + 2] * eye[2];
  switchEverythingOn();
  glDisable(GL_DEPTH_TEST);  // feedback must report the square whatever the depth buffer holds

  const auto quads = gltest::reassembleQuads(
      gltest::captureFeedback([&] { drawBillboard(0, ahead[0], ahead[1], ahead[2], 0.05f); }));
  ASSERT_EQ(quads.size(), 1u);
  const auto& v = quads[0].vertices;
  ASSERT_EQ(v.size(), 4u);
  // A square seen face on: axis-aligned on screen, as wide as high, texture (0,0) bottom-left.
  EXPECT_NEAR(v[0].y, v[1].y, 1e-2);
  EXPECT_NEAR(v[1].x, v[2].x, 1e-2);
  EXPECT_NEAR(v[2].y, v[3].y, 1e-2);
  EXPECT_NEAR(v[1].x - v[0].x, v[2].y - v[1].y, 1e-2);
  EXPECT_GT(v[1].x, v[0].x);
  EXPECT_EQ(v[0].s, 0);
  EXPECT_EQ(v[0].t, 0);
  EXPECT_EQ(v[2].s, 1);
  EXPECT_EQ(v[2].t, 1);
  // Square centred straight ahead of the eye: on the window's centre.
  EXPECT_NEAR((v[0].x + v[2].x) / 2, windowWidth / 2.0f, 0.5f);
  EXPECT_NEAR((v[0].y + v[2].y) / 2, windowHeight / 2.0f, 0.5f);

  switchEverythingOn();
  drawBillboard(0, 0.2f, 0.3f, 0, 0.05f);
  for (GLenum f : {GL_ALPHA_TEST, GL_BLEND, GL_DEPTH_TEST, GL_TEXTURE_2D}) expectOff(f);
  expectProgramDefaults();
  GLboolean depthMask;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
  EXPECT_TRUE(depthMask);

  params.texturesOn = 0;  // with textures off the caller's texturing is left alone
  glEnable(GL_TEXTURE_2D);
  drawBillboard(0, 0.2f, 0.3f, 0, 0.05f);
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST(Sphere, StripsAndVerticesPerTesselation) {
  gltest::startProgram();
  gltest::useWindowCoordinates(windowWidth, windowHeight);
  glTranslatef(500, 400, 0);
  glScalef(1, 1, 0.001f);  // keeps the sphere inside the depth range, unclipped
  glRotatef(30, 1, 1, 0);  // no ring lies edge-on to the window
  for (int tess : {3, 10, 40}) {
    const auto primitives =
        gltest::captureFeedback([tess] { drawSphere(300, tess, tess, 1, 1, 0, 0); });
    // Each strip of 2 * (tess + 1) vertices gives 2 * tess triangles.
    EXPECT_EQ(primitives.size(), static_cast<size_t>((tess - 1) * 2 * tess)) << tess;
    for (const auto& p : primitives) ASSERT_EQ(p.vertices.size(), 3u);
  }
  // Drawn again at another size, it has that size: nothing kept from the last one.
  for (double radius : {300.0, 150.0}) {
    const auto drawn =
        gltest::captureFeedback([radius] { drawSphere(radius, 10, 10, 1, 1, 0, 0); });
    double widest = 0;
    for (const auto& p : drawn)
      for (const auto& v : p.vertices) widest = std::max(widest, std::fabs(v.x - 500.0));
    EXPECT_NEAR(widest, radius, radius * 0.05) << radius;
  }

  // The outside faces front: with back faces culled the half towards the viewer remains, whose
  // window depth lies below the centre's 0.5; culling front faces keeps the far half.
  const auto meanDepth = [](GLenum culled) {
    glCullFace(culled);
    glEnable(GL_CULL_FACE);
    const auto kept = gltest::captureFeedback([] { drawSphere(300, 10, 10, 1, 1, 0, 0); });
    glDisable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    double sum = 0;
    for (const auto& p : kept) sum += p.vertices[0].z + p.vertices[1].z + p.vertices[2].z;
    return sum / (3 * kept.size());
  };
  EXPECT_LT(meanDepth(GL_BACK), 0.45);
  EXPECT_GT(meanDepth(GL_FRONT), 0.55);
}

TEST(TrackRibbon, ThreeHundredSixtyQuadsAndTheStateItLeaves) {
  gltest::startProgram();
  gltest::useWindowCoordinates(windowWidth, windowHeight);
  glScalef(1, 1, 0.001f);  // the z offsets stay inside the depth range
  // A heading-0 point then a heading-90 point, scaled up to window pixels. The offset is
  // scaled twice, once in its width and once with the point: 100 * 100 * 0.001 = 10 pixels.
  for (int i = 0; i < track.pointCount; i++) track.points[i] = {5, 4, 0, 0, 0};
  track.points[0] = {3, 2, 0, 0, 0};
  track.points[2] = {6, 5, 0, 0, 90};
  const auto quads = gltest::reassembleQuads(gltest::captureFeedback([] { track.draw(100, 1); }));
  ASSERT_EQ(quads.size(), 360u);
  // With z = 0 the sideways offsets show in x only.
  const auto& first = quads[0].vertices;
  EXPECT_NEAR(first[0].x, 290, 1e-3);
  EXPECT_NEAR(first[1].x, 310, 1e-3);
  EXPECT_NEAR(first[0].y, 200, 1e-3);
  EXPECT_NEAR(first[2].x, 610, 1e-3);
  EXPECT_NEAR(first[2].y, 500, 1e-3);
  EXPECT_EQ(first[0].b, 1);
  EXPECT_EQ(first[0].r, 0);
  const auto& second = quads[1].vertices;  // heading 90: x is offset by +w, then by -w
  EXPECT_NEAR(second[0].x, 610, 1e-3);
  EXPECT_NEAR(second[1].x, 590, 1e-3);

  // With the closing quad moved aside, only the first covers (450, 350). Texels of alpha 0.05
  // or less are dropped, the others blend over the black: 10 / 255 does not show, 20 / 255 does.
  track.points[718] = {3, 6, 0, 0, 0};
  for (int alpha : {10, 20}) {
    track.texture = gltest::uniformTexture(255, 255, 255, static_cast<unsigned char>(alpha));
    glClear(GL_COLOR_BUFFER_BIT);
    track.draw(100, 1);
    EXPECT_NEAR(gltest::readPixel(450, 350)[2], alpha == 20 ? 20 : 0, 1) << alpha;
  }

  switchEverythingOn();
  track.draw(1, 1);
  for (GLenum f : {GL_ALPHA_TEST, GL_BLEND, GL_TEXTURE_2D}) expectOff(f);
  GLint func;
  glGetIntegerv(GL_ALPHA_TEST_FUNC, &func);
  EXPECT_EQ(func, GL_GREATER);
  GLfloat reference;
  glGetFloatv(GL_ALPHA_TEST_REF, &reference);
  EXPECT_EQ(reference, 0);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));  // the scene's, left as it was
}

TEST(Light, StaysAtItsPlaceInEyeCoordinates) {
  gltest::startProgram();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glRotatef(40, 0, 1, 0);
  glTranslatef(5, 6, 7);
  GLfloat before[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, before);

  setUpLight(0, 1, 0.8f, 0, 0.5f, 0.75f, 0.99f, 0.99f, 0.5f);
  GLfloat position[4];
  glGetLightfv(GL_LIGHT0, GL_POSITION, position);  // stored in eye coordinates
  EXPECT_NEAR(position[0], 1, 1e-6);
  EXPECT_NEAR(position[1], 0.8f, 1e-6);
  EXPECT_NEAR(position[2], 0, 1e-6);
  EXPECT_EQ(position[3], 1);
  GLfloat after[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, after);
  for (int i = 0; i < 16; i++) EXPECT_EQ(after[i], before[i]);

  GLfloat colour[4];
  glGetLightfv(GL_LIGHT0, GL_AMBIENT, colour);
  EXPECT_FLOAT_EQ(colour[0], 0.25f);
  EXPECT_EQ(colour[3], 1);
  glGetLightfv(GL_LIGHT0, GL_DIFFUSE, colour);
  EXPECT_FLOAT_EQ(colour[1], 0.375f);
  glGetFloatv(GL_LIGHT_MODEL_AMBIENT, colour);
  EXPECT_FLOAT_EQ(colour[2], 0.25f);
  glGetMaterialfv(GL_FRONT, GL_SPECULAR, colour);
  EXPECT_FLOAT_EQ(colour[0], 0.495f);
  GLfloat cutoff;
  glGetLightfv(GL_LIGHT0, GL_SPOT_CUTOFF, &cutoff);
  EXPECT_EQ(cutoff, 180);
  EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
}

TEST(DrawScene, SwitchesEverythingOffButTheLight) {
  gltest::startProgram();
  reset();
  params.spotlightsOn = 1;
  sceneClock = 1;  // the orbit point (cos 0.2, 0.8, sin 0.2)
  setUpView();
  for (int texturesOn : {1, 0}) {
    params.texturesOn = texturesOn;
    switchEverythingOn();
    drawScene();
    for (GLenum f : features) expectOff(f);
    expectProgramDefaults();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
  }
  // The light circles with the flare, at the same numbers taken in eye coordinates.
  GLfloat light[4];
  glGetLightfv(GL_LIGHT0, GL_POSITION, light);
  EXPECT_NEAR(light[0], std::cos(0.2), 1e-6);
  EXPECT_NEAR(light[1], 0.8, 1e-6);
  EXPECT_NEAR(light[2], std::sin(0.2), 1e-6);
}

// Seen from straight above, the globe and the track on a ring 0.03 around it.
TEST(DrawScene, GlobeRadiusAndColoursWithTheLightOff) {
  setUpTopView();
  params.spotlightsOn = 0;
  for (float size : {1.0f, 2.0f}) {
    params.objectSize = size;
    int globe = 0, ribbon = 0;
    for (const auto& primitive : gltest::captureFeedback(drawScene)) {
      for (const auto& v : primitive.vertices) {
        const float r = distanceFromCentre(v);
        if (r < 0.025f) {
          ++globe;
          EXPECT_NEAR(r, 0.01f * size, 2e-5);
          expectColour(v, 0.5f, 0.5f, 1);  // unlit
        } else {
          ++ribbon;
          expectColour(v, 0, 0, 1);
        }
      }
    }
    EXPECT_GT(globe, 0);
    EXPECT_GT(ribbon, 0);
  }
  // Lit, the colours vary over the globe's surface.
  params.spotlightsOn = 1;
  float least = 1, most = 0;
  for (const auto& primitive : gltest::captureFeedback(drawScene)) {
    for (const auto& v : primitive.vertices) {
      least = std::fmin(least, v.r);
      most = std::fmax(most, v.r);
    }
  }
  EXPECT_GT(most - least, 0.05f);
}

TEST(DrawScene, TrackStaysTexturedWithTexturesOff) {
  setUpTopView();
  params.objectSize = 0;  // no globe
  params.texturesOn = 0;
  track.texture = gltest::uniformTexture(255, 255, 128, 255);  // halves the blue
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  drawScene();
  EXPECT_GT(countPixels([](const std::array<unsigned char, 4>& p) { return p[2] == 128; }), 1000);
  EXPECT_EQ(countPixels([](const std::array<unsigned char, 4>& p) { return p[2] > 128; }), 0);
}

TEST(DrawScene, FogCoversTheGlobe) {
  setUpTopView();
  params.texturesOn = 0;
  glFogf(GL_FOG_START, 0);  // the globe is 0.5 from the eye: past the end, all fog
  glFogf(GL_FOG_END, 0.1f);
  for (int fogOn : {0, 1}) {
    params.fogOn = fogOn;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScene();
    const auto centre = gltest::readPixel(windowWidth / 2, windowHeight / 2);
    EXPECT_NEAR(centre[0], fogOn ? 0 : 128, 1) << fogOn;
    EXPECT_EQ(centre[2], fogOn ? 0 : 255) << fogOn;
  }
}

TEST(DrawScene, FlareShinesYellowStraightAhead) {
  gltest::startProgram();
  reset();
  params.cameraMode = 2;
  params.texturesOn = 0;  // a flat square of the current colour
  camera.position = {0, 0.8f, 0};
  camera.heading = 0;  // facing -z
  camera.pitch = 0;
  sceneClock = 3 * 3.14159265 / 2 / 0.2;  // the orbit point (0, 0.8, -1)
  // Keep the track out of the picture.
  for (int i = 0; i < track.pointCount; i++) track.points[i] = {0, -5, 5, 0, 0};
  track.position = {0, -5, 5};
  // And the still particles: their pools count as filled and stay empty.
  groundGlows.seeded = 1;
  motes.seeded = 1;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  setUpView();
  drawScene();
  const auto centre = gltest::readPixel(windowWidth / 2, windowHeight / 2);
  EXPECT_EQ(centre[0], 255);
  EXPECT_EQ(centre[1], 255);
  EXPECT_EQ(centre[2], 0);
  // The square is 0.25 wide at distance 1.1 from the eye; its edge is well inside the window.
  const auto aside = gltest::readPixel(windowWidth / 8, windowHeight / 2);
  EXPECT_EQ(aside[0], 0);

  sceneClock = 3.14159265 / 2 / 0.2;  // now behind the viewer
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  setUpView();
  drawScene();
  EXPECT_EQ(gltest::readPixel(windowWidth / 2, windowHeight / 2)[0], 0);
}

TEST(DrawScene, FogAtItsShortestHidesTheFarTrack) {
  gltest::startProgram();
  // Several shapes: the reset seeds the random sequence from elapsedMs.
  for (int ms : {1000, 2000, 3000, 4000}) {
    SCOPED_TRACE(ms);
    elapsedMs = ms;
    reset();
    params.cameraMode = 2;
    params.objectSize = 0;           // neither flare nor globe: only the track shows
    camera.position = {0, 0.3f, 3};  // the whole track lies 2 to 4 units ahead
    camera.heading = 0;
    camera.pitch = 0;
    params.fogDistance = 14;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setUpView();
    drawScene();
    // The ribbon is 0.002 wide: from this far it is a thin, broken, faint blue line.
    const auto anyBlue = [](const std::array<unsigned char, 4>& p) { return p[2] > 0; };
    const int visible = countPixels(anyBlue);
    EXPECT_GT(visible, 20);

    params.fogDistance = 0.0001f;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setUpView();
    drawScene();
    EXPECT_EQ(countPixels(anyBlue), 0);

    params.fogOn = 0;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setUpView();
    drawScene();
    EXPECT_GE(countPixels(anyBlue), visible);
  }
}
