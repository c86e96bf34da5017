#include "app/persistent_picture.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/frame.h"
#include "app/frame_clock.h"
#include "app/parameters.h"
#include "app/scene_clock.h"
#include "app/startup.h"
#include "effects/particle_effects.h"
#include "ride/ride_step.h"
#include "ride/track.h"
#include "tests/gl/gl_context.h"
#include "text/text_overlay.h"

// The kept picture against a driver whose swap leaves garbage: after every swap the back
// buffer is filled with a loud colour, and the frames that follow must come out exactly as
// they do when the swap keeps the picture (Mesa's copying swap under Xvfb).

namespace {

using Picture = std::vector<unsigned char>;

enum class Blanking { darkening, pileUp, fullClear };

void setBlanking(Blanking mode) {
  params.fullBlanking = mode == Blanking::fullClear;
  params.blankIntensity = mode == Blanking::pileUp ? 1.0f : 0.5f;
}

// What a flipping driver may leave behind in the back buffer.
void swapAndSpoil() {
  glutSwapBuffers();
  glClearColor(1, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(0, 0, 0, 1);
}

Picture readWindow() {
  Picture pixels(static_cast<size_t>(windowWidth) * windowHeight * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, windowWidth, windowHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

// Something that moves, so that blanking leaves trails: a patch whose place and colour
// change with the time, drawn into the finished picture like the scene would be.
void drawMovingPatch(int frameIndex) {
  gltest::useWindowCoordinates(windowWidth, windowHeight);
  const int x = 40 + frameIndex * 37;
  const int y = 60 + frameIndex * 23;
  glColor3ub(static_cast<GLubyte>(90 + frameIndex * 13), 200,
             static_cast<GLubyte>(255 - frameIndex * 11));
  glBegin(GL_QUADS);
  glVertex2i(x, y);
  glVertex2i(x + 90, y);
  glVertex2i(x + 90, y + 70);
  glVertex2i(x, y + 70);
  glEnd();
}

const int frames = 12;
const int firstMs = 5000;  // after the fade-in and the start-up message
const int stepMs = 16;

// The same frames from the same starting state each time: the frame's clock, the message
// line, the ride's place on the track and its timers, the particle effects' emission and
// update times (which a reset leaves), a reset that reseeds the random sequence, and a
// cleared first picture.
std::vector<Picture> runFrames(Blanking mode, void (*endFrame)()) {
  static const TextOverlay startingText = textOverlay;
  textOverlay = startingText;
  elapsedMs = firstMs - stepMs;
  elapsedTime = elapsedMs * 0.001f;
  previousTime = elapsedTime;
  frameCount = 0;
  framesPerSecond = 30;
  nextSecondTime = 6.0;
  sceneClock = 10;
  track.segment = 0;
  track.fraction = 0;
  track.position = {0, 0, 0};
  track.direction = {0, 0, 0};
  trackStartTime = 0;
  flareTimer = 0;
  for (ParticleSystem* effect : {&fountain, &groundGlows, &smoke, &motes}) effect->lastEmitTime = 0;
  ParticleSystem::lastUpdateTime = 0;
  ParticleSystem::searchCursor = 0;
  reset();
  setBlanking(mode);
  forceClear = 1;

  std::vector<Picture> pictures;
  for (int i = 0; i < frames; ++i) {
    elapsedMs = firstMs + i * stepMs;
    frame();
    drawMovingPatch(i);
    pictures.push_back(readWindow());
    endFrame();
    // An input callback between frames that draws a message at once onto the picture.
    if (i == 5) textOverlay.postMessage("Blanking 0.5");
  }
  return pictures;
}

void showKept() {
  showPicture(swapAndSpoil);
}

// Counts the pixels that differ and names the first, for a readable failure.
void expectSamePictures(const std::vector<Picture>& expected, const std::vector<Picture>& got) {
  ASSERT_EQ(expected.size(), got.size());
  for (size_t f = 0; f < expected.size(); ++f) {
    const Picture& want = expected[f];
    const Picture& have = got[f];
    size_t differing = 0, first = 0;
    for (size_t i = 0; i < want.size(); i += 3) {
      const bool same =
          want[i] == have[i] && want[i + 1] == have[i + 1] && want[i + 2] == have[i + 2];
      if (!same && differing++ == 0) first = i;
    }
    EXPECT_EQ(differing, 0u) << "frame " << f << ", first at x " << first / 3 % windowWidth << " y "
                             << first / 3 / windowWidth << ": wanted red " << int(want[first])
                             << ", got " << int(have[first]);
  }
}

size_t loudPixels(const Picture& picture) {
  size_t count = 0;
  for (size_t i = 0; i < picture.size(); i += 3)
    if (picture[i] > 0 && picture[i + 1] == 0 && picture[i + 2] > 0) ++count;
  return count;
}

class KeptPicture : public ::testing::Test {
 protected:
  void SetUp() override { gltest::startProgram(); }
  void TearDown() override { limitPictureTextureSide(0); }

  // Every mode, first as the copying swap leaves it, then on the spoiling "driver".
  void expectEveryModeSurvivesSpoiling(int tiles) {
    for (Blanking mode : {Blanking::darkening, Blanking::pileUp, Blanking::fullClear}) {
      SCOPED_TRACE(static_cast<int>(mode));
      const std::vector<Picture> copied = runFrames(mode, glutSwapBuffers);
      const std::vector<Picture> spoiled = runFrames(mode, showKept);
      ASSERT_EQ(pictureTileCount(), tiles);
      expectSamePictures(copied, spoiled);
    }
  }
};

TEST_F(KeptPicture, FramesMatchTheCopyingSwapInEveryBlankingMode) {
  expectEveryModeSurvivesSpoiling(1);
}

// Tiles of 300 pixels: 1024 x 768 takes 4 columns and 3 rows, the last ones partly used.
TEST_F(KeptPicture, TiledPictureAlsoSurvivesSpoiling) {
  limitPictureTextureSide(300);
  expectEveryModeSurvivesSpoiling(12);
}

// The check above has teeth: without the keeping, the loud colour shows through the trails
// and the piled-up pictures.
TEST_F(KeptPicture, WithoutKeepingTheSpoiledBufferShows) {
  for (Blanking mode : {Blanking::darkening, Blanking::pileUp}) {
    const std::vector<Picture> spoiled = runFrames(mode, swapAndSpoil);
    EXPECT_GT(loudPixels(spoiled.back()), 100000u);
  }
  EXPECT_EQ(loudPixels(runFrames(Blanking::fullClear, swapAndSpoil).back()), 0u);
}

TEST_F(KeptPicture, FollowsAResizeAndStartsItFromBlack) {
  runFrames(Blanking::pileUp, showKept);
  // Leaving full screen first returns the window to its earlier size; then it takes this one.
  gltest::resizeWindow(512, 512);
  forceClear = 0;
  gltest::resizeWindow(640, 480);
  EXPECT_EQ(forceClear, 1);
  // Mesa gives the back buffer its new size at the next swap, losing what it held: the
  // copying swap that the kept picture is compared with only keeps pictures from then on.
  glutSwapBuffers();
  const std::vector<Picture> copied = runFrames(Blanking::pileUp, glutSwapBuffers);
  const std::vector<Picture> spoiled = runFrames(Blanking::pileUp, showKept);
  EXPECT_EQ(pictureTileCount(), 1);
  expectSamePictures(copied, spoiled);
  // The texture covers the new size: a full-window read of it holds the last picture.
  GLint width = 0, height = 0;
  glBindTexture(GL_TEXTURE_2D, pictureTexture(0));
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
  glBindTexture(GL_TEXTURE_2D, 0);
  EXPECT_GE(width, 640);
  EXPECT_GE(height, 480);
}

// Laying the picture back puts back every bit of GL state it touched.
TEST_F(KeptPicture, LayingBackLeavesTheStateAsItFoundIt) {
  runFrames(Blanking::darkening, showKept);
  glBindTexture(GL_TEXTURE_2D, 0);  // the frames leave the last texture they drew with bound
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  glViewport(0, 100, 300, 200);
  glEnable(GL_BLEND);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glTranslatef(0.25f, 0, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0, 0.5f, 0);

  showPicture(swapAndSpoil);

  GLint mode[2], viewport[4], matrixMode, binding, readBuffer;
  glGetIntegerv(GL_POLYGON_MODE, mode);
  EXPECT_EQ(mode[0], GL_LINE);
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[1], 100);
  EXPECT_EQ(viewport[2], 300);
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
  EXPECT_EQ(matrixMode, GL_MODELVIEW);
  GLfloat projection[16], modelview[16];
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
  EXPECT_FLOAT_EQ(projection[12], 0.25f);
  EXPECT_FLOAT_EQ(modelview[13], 0.5f);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &binding);
  EXPECT_EQ(binding, 0);
  GLint envMode;
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &envMode);
  EXPECT_EQ(envMode, GL_MODULATE);
  glGetIntegerv(GL_READ_BUFFER, &readBuffer);
  EXPECT_EQ(readBuffer, GL_BACK);
  GLboolean depthWrites;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
  EXPECT_TRUE(depthWrites);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  glDisable(GL_BLEND);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

TEST_F(KeptPicture, ReleaseDeletesTheTexture) {
  runFrames(Blanking::darkening, showKept);
  const GLuint texture = pictureTexture(0);
  ASSERT_TRUE(glIsTexture(texture));
  releasePicture();
  EXPECT_FALSE(glIsTexture(texture));
  EXPECT_EQ(pictureTexture(0), 0u);
  EXPECT_EQ(pictureTileCount(), 0);
}

// The display callback ends its frame through the keeping: afterwards the texture and the
// back buffer both hold the finished picture.
TEST(KeptPictureWiring, TheDisplayCallbackKeepsThePicture) {
  gltest::startProgram();
  params.blankIntensity = 1;
  display();
  ASSERT_EQ(pictureTileCount(), 1);
  GLint textureWidth = 0;
  glBindTexture(GL_TEXTURE_2D, pictureTexture(0));
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &textureWidth);
  std::vector<unsigned char> texels(static_cast<size_t>(textureWidth) * windowHeight * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
  glBindTexture(GL_TEXTURE_2D, 0);
  const Picture shown = readWindow();
  size_t differing = 0;
  for (int y = 0; y < windowHeight; ++y)
    for (int x = 0; x < windowWidth * 3; ++x)
      if (texels[static_cast<size_t>(y) * textureWidth * 3 + x] !=
          shown[static_cast<size_t>(y) * windowWidth * 3 + x])
        ++differing;
  EXPECT_EQ(differing, 0u);

  // A reshape to the size the window already has keeps the picture.
  forceClear = 0;
  reshape(windowWidth, windowHeight);
  EXPECT_EQ(forceClear, 0);
}

}  // namespace
