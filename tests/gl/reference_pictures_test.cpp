// Whole frames of the program at a fixed seed and clock, compared with the pictures kept in
// tests/reference/. After a change meant to alter the picture, tools/make_reference_pictures.sh
// draws them anew; look at them, and say in the commit why they changed.

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "base/frame_clock.h"
#include "controls/keyboard.h"
#include "frame/frame.h"
#include "tests/gl/gl_context.h"

namespace {

const int width = 640, height = 480;  // tall enough for the whole help page

// From the launch seed, 17 ms frames (60 a second) from 0 to endMs, with keys pressed before
// the frame at pressMs.
struct Scene {
  const char* name;
  const char* seed;
  int pressMs;
  const char* keys;
  int endMs;
};

const Scene scenes[] = {
    {"start", "1", 0, "", 2500},       // the gliding title and the help hint
    {"ride", "8", 3000, "sc", 25000},  // the four effects and the stars, lit, with the frame rate
    {"help", "1", 3000, "?", 4500},    // the help page over the ride
    // The flare and the smoke in letterbox 3, drawn as lines, untextured, by the manual camera.
    {"letterbox", "1", 18000, "lllwtv", 20000},
};

// Names the scene in the test's listing.
void PrintTo(const Scene& scene, std::ostream* out) {
  *out << scene.name;
}

std::string referencePath(const std::string& name) {
  return std::string(GYROTRAK_REFERENCE_DIR "/") + name;
}

// RGB rows from the bottom up, as glReadPixels gives them; a negative stride tells libpng.
std::vector<unsigned char> readPicture() {
  std::vector<unsigned char> rgb(width * height * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}

bool writePng(const std::string& path, const std::vector<unsigned char>& rgb) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), -width * 3, nullptr);
}

std::vector<unsigned char> readPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
  if (image.width != width || image.height != height ||
      !png_image_finish_read(&image, nullptr, rgb.data(), -width * 3, nullptr))
    return {};
  return rgb;
}

std::string renderer() {
  return std::string(reinterpret_cast<const char*>(glGetString(GL_RENDERER))) + ", " +
         reinterpret_cast<const char*>(glGetString(GL_VERSION));
}

std::string firstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

class ReferencePicture : public ::testing::TestWithParam<Scene> {};

TEST_P(ReferencePicture, IsDrawnAgainAsKept) {
  const Scene& scene = GetParam();
  const bool writing = std::getenv("GYROTRAK_WRITE_REFERENCES") != nullptr;
  const std::string kept = firstLine(referencePath("renderer.txt"));
  if (!writing && kept != renderer())
    GTEST_SKIP() << "the pictures were drawn by " << kept << "; this is " << renderer();

  gltest::startProgram(scene.seed);
  gltest::resizeWindow(512, 512);  // leaving full screen returns to the first size first
  gltest::resizeWindow(width, height);
  glutSwapBuffers();  // Mesa gives the back buffer the window's size at a swap
  for (int ms = 0; ms <= scene.endMs; ms += 17) {
    if (ms >= scene.pressMs && ms < scene.pressMs + 17)
      for (const char* key = scene.keys; *key != '\0'; ++key) keyboardCallback(*key, 0, 0);
    elapsedMs = ms;
    frame();
  }
  const std::vector<unsigned char> got = readPicture();
  const std::string file = std::string(scene.name) + ".png";
  if (writing) {
    ASSERT_TRUE(writePng(referencePath(file), got));
    std::ofstream(referencePath("renderer.txt")) << renderer() << "\n";
    return;
  }

  const std::vector<unsigned char> want = readPng(referencePath(file));
  ASSERT_EQ(want.size(), got.size()) << "cannot read " << referencePath(file);
  // llvmpipe itself draws a blended pixel or two one level apart now and then; up to 8 such
  // pixels pass. Any other difference fails.
  int wobbling = 0, differing = 0, first = -1;
  for (size_t i = 0; i < got.size(); i += 3) {
    int largest = 0;
    for (size_t k = i; k < i + 3; ++k) largest = std::max(largest, std::abs(want[k] - got[k]));
    if (largest == 0 || (largest == 1 && ++wobbling <= 8)) continue;
    if (differing++ == 0) first = static_cast<int>(i / 3);
  }
  if (differing == 0) return;
  const std::string drawn = std::string(GYROTRAK_ACTUAL_DIR "/") + file;
  writePng(drawn, got);
  ADD_FAILURE() << differing << " pixels differ from " << referencePath(file) << ", the first at x "
                << first % width << ", y " << height - 1 - first / width
                << " from the top; the frame drawn is " << drawn;
}

INSTANTIATE_TEST_SUITE_P(Frames, ReferencePicture, ::testing::ValuesIn(scenes),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
