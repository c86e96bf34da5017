#include "tests/gl/gl_context.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/startup.h"
#include "window/window.h"

// Last: Xlib's macros (None, Bool, Status) would clash with names in the headers above.
#include <GL/glx.h>
#include <X11/Xlib.h>

namespace gltest {

namespace {

void displayNothing() {}

bool waitFor(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    glutMainLoopEvent();
    usleep(1000);
  }
  return true;
}

// Opens the window through the program's own start-up path once for the whole test process.
class WindowEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static char name[] = "gl_tests";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    openWindow(&argc, argv, false, std::getenv("GYROTRAK_FPS"));
    // Tests run frames themselves, at chosen times: the toolkit must not.
    glutDisplayFunc(displayNothing);
    glutIdleFunc(nullptr);
    const bool full = waitFor([] {
      return windowWidth == glutGet(GLUT_SCREEN_WIDTH) &&
             windowHeight == glutGet(GLUT_SCREEN_HEIGHT);
    });
    if (!full) std::fprintf(stderr, "gl_tests: the window did not become full screen\n");
    // Mesa sizes the back buffer to the window at the first swap; before it, reads of the
    // full-screen area would come from the initial small buffer.
    glutSwapBuffers();
  }
};

}  // namespace

void pumpEvents() {
  for (int i = 0; i < 10; ++i) glutMainLoopEvent();
}

void resizeWindow(int width, int height) {
  glutReshapeWindow(width, height);
  waitForWindowSize(width, height);
}

void waitForWindowSize(int width, int height) {
  const bool resized = waitFor([&] { return windowWidth == width && windowHeight == height; });
  ASSERT_TRUE(resized) << "window did not reach " << width << " x " << height;
}

void startProgram(const char* seed) {
  ASSERT_EQ(chdir(GYROTRAK_DATA_DIR), 0);
  // The same first track, scene-clock offset and random sequence on every run.
  setenv("GYROTRAK_SEED", seed, 1);
  ASSERT_TRUE(initialise());
}

void pretendDriver(bool accelerated, bool spoiling) {
  ASSERT_NE(std::getenv("LD_PRELOAD"), nullptr) << "run under the driver stand-in, as ctest does";
  setenv("STANDIN_ACCELERATED", accelerated ? "1" : "0", 1);
  setenv("STANDIN_SPOIL", spoiling ? "1" : "0", 1);
  releasePicture();
  reshape(windowWidth, windowHeight);
}

std::array<int, 2> pointerInWindow() {
  Window root, child;
  int rootX, rootY, x, y;
  unsigned int buttons;
  if (!XQueryPointer(glXGetCurrentDisplay(), glXGetCurrentDrawable(), &root, &child, &rootX, &rootY,
                     &x, &y, &buttons))
    return {-1, -1};
  return {x, y};
}

std::array<unsigned char, 4> readPixel(int x, int y) {
  std::array<unsigned char, 4> pixel{};
  // Where the picture lives in a framebuffer object, that is what is read.
  GLint framebuffer = 0;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
  if (framebuffer == 0) glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
  return pixel;
}

GLuint uniformTexture(unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
  const unsigned char texel[4] = {r, g, b, a};
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
  glBindTexture(GL_TEXTURE_2D, 0);
  return name;
}

std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw) {
  static std::vector<GLfloat> buffer(1 << 22);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_4D_COLOR_TEXTURE, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint used = glRenderMode(GL_RENDER);

  std::vector<FeedbackPrimitive> primitives;
  auto readVertex = [&](GLint& i) {
    FeedbackVertex v{};
    v.x = buffer[i];
    v.y = buffer[i + 1];
    v.z = buffer[i + 2];  // the fourth coordinate, w, is skipped
    v.r = buffer[i + 4];
    v.g = buffer[i + 5];
    v.b = buffer[i + 6];
    v.a = buffer[i + 7];
    v.s = buffer[i + 8];
    v.t = buffer[i + 9];
    v.p = buffer[i + 10];
    v.q = buffer[i + 11];
    i += 12;
    return v;
  };
  for (GLint i = 0; i < used;) {
    const GLenum token = static_cast<GLenum>(buffer[i++]);
    FeedbackPrimitive primitive{token, {}};
    int count = 0;
    switch (token) {
      case GL_POLYGON_TOKEN:
        count = static_cast<int>(buffer[i++]);
        break;
      case GL_LINE_TOKEN:
      case GL_LINE_RESET_TOKEN:
        count = 2;
        break;
      case GL_POINT_TOKEN:
      case GL_BITMAP_TOKEN:
      case GL_DRAW_PIXEL_TOKEN:
      case GL_COPY_PIXEL_TOKEN:
        count = 1;
        break;
      case GL_PASS_THROUGH_TOKEN:
        i += 1;
        continue;
      default:
        ADD_FAILURE() << "unknown feedback token " << token;
        return primitives;
    }
    for (int k = 0; k < count; ++k) primitive.vertices.push_back(readVertex(i));
    primitives.push_back(primitive);
  }
  return primitives;
}

namespace {
bool sameVertex(const FeedbackVertex& a, const FeedbackVertex& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z && a.s == b.s && a.t == b.t;
}
}  // namespace

std::vector<FeedbackPrimitive> reassembleQuads(const std::vector<FeedbackPrimitive>& primitives) {
  std::vector<FeedbackPrimitive> quads;
  for (size_t i = 0; i < primitives.size(); ++i) {
    const FeedbackPrimitive& first = primitives[i];
    if (i + 1 < primitives.size() && first.token == GL_POLYGON_TOKEN &&
        first.vertices.size() == 3) {
      const FeedbackPrimitive& second = primitives[i + 1];
      if (second.token == GL_POLYGON_TOKEN && second.vertices.size() == 3 &&
          sameVertex(first.vertices[1], second.vertices[0]) &&
          sameVertex(first.vertices[2], second.vertices[2])) {
        quads.push_back(
            {GL_POLYGON_TOKEN,
             {first.vertices[0], first.vertices[1], second.vertices[1], first.vertices[2]}});
        ++i;
        continue;
      }
    }
    quads.push_back(first);
  }
  return quads;
}

void useWindowCoordinates(int width, int height) {
  useWholeWindowPixels(width, height);
}

}  // namespace gltest

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new gltest::WindowEnvironment);
  return RUN_ALL_TESTS();
}
