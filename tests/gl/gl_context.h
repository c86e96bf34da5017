#pragma once

// Helpers for tests that ask a real OpenGL context. The test binary's main opens the program's
// own window (full screen under the virtual X server) once per process.

#include <GL/gl.h>

#include <array>
#include <functional>
#include <vector>

namespace gltest {

// Lets the toolkit handle pending window events (reshapes, exposes) without running a frame.
void pumpEvents();

// Resizes the window and waits until the program's reshape callback has seen the new size.
void resizeWindow(int width, int height);

// Waits until the program's reshape callback has seen the given size.
void waitForWindowSize(int width, int height);

// Runs the program's start-up (initialise) with the working directory at data/, as ./run does,
// and the launch seed fixed.
void startProgram(const char* seed = "1");

// Makes the driver stand-in (tests/driver_standin.cpp, which ctest preloads for the keeping's
// tests) a hardware renderer without buffer age, which keeps the picture in a framebuffer
// object, or else the software one whose swap is checked; and its swap spoil the back buffer
// or not. The keeping then starts again, as at start-up, through the reshape callback.
void pretendDriver(bool accelerated, bool spoiling);

// Where the window system has the pointer, in window pixels from the top-left; {-1, -1} if it
// cannot tell.
std::array<int, 2> pointerInWindow();

// One pixel of the picture being drawn (the back buffer, or the framebuffer object the picture
// is kept in), (0, 0) at the bottom-left; RGBA bytes.
std::array<unsigned char, 4> readPixel(int x, int y);

// A vertex as feedback mode reports it: window coordinates, colour and texture coordinate.
struct FeedbackVertex {
  float x, y, z;
  float r, g, b, a;
  float s, t, p, q;
};

// One primitive from feedback mode. OpenGL may report a quad or a strip as several polygons.
struct FeedbackPrimitive {
  GLenum token;  // GL_POLYGON_TOKEN, GL_LINE_TOKEN, GL_LINE_RESET_TOKEN or GL_POINT_TOKEN
  std::vector<FeedbackVertex> vertices;
};

// A 1 x 1 texture of one RGBA colour, without mipmaps: whatever samples it gets that texel.
GLuint uniformTexture(unsigned char r, unsigned char g, unsigned char b, unsigned char a);

// Runs draw in GL_FEEDBACK mode and returns what it emitted, in order.
std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw);

// Mesa reports each quad as the two triangles (v0, v1, v3) and (v1, v2, v3); this puts such
// pairs back together as four-vertex primitives, in the order the quad was given. A polygon
// that is not part of such a pair is kept as it is.
std::vector<FeedbackPrimitive> reassembleQuads(const std::vector<FeedbackPrimitive>& primitives);

// Maps object coordinates to window coordinates one to one for x and y inside a
// width x height viewport: identity model-view, orthographic projection over the window.
void useWindowCoordinates(int width, int height);

}  // namespace gltest
