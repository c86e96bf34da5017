#pragma once

// The window layer's own declarations, for its files and its tests; the rest of the program
// includes only window/window.h.

#include <GL/gl.h>

#include "window/window.h"

// --- What the driver reports (driver_report.cpp) ---

// What a context offers, from its GL_VERSION and GL_EXTENSIONS strings (null offers nothing):
// the version as major * 10 + minor ("4.5 Mesa 22.3.6" gives 45; 0 when unreadable); whether
// the list holds the name as a whole word; the names the framebuffer-object calls go by: core
// from OpenGL 3.0 or with GL_ARB_framebuffer_object, EXT with GL_EXT_framebuffer_object and
// GL_EXT_framebuffer_blit together, or none.
int glVersionNumber(const char* version);
bool hasGlExtension(const char* extensions, const char* name);
enum class FramebufferNames { none, core, ext };
FramebufferNames framebufferNames(const char* version, const char* extensions);

struct DriverReport {
  bool bufferAge;  // GLX_EXT_buffer_age: the back buffer's age can be asked after every swap
  bool software;   // the renderer draws on the processor, as Mesa's llvmpipe does
  // The window has a multisample buffer, as on desktops whose driver settings force
  // antialiasing: drawing lands in it, and each swap shows it resolved.
  bool multisampled;
};

// Without a current GLX context: a software renderer without buffer age, trusted least cheaply.
DriverReport askDriver();

// The back buffer's age (GLX_EXT_buffer_age): 1 when it holds the picture just shown, 0 when
// undefined, n for the picture shown n swaps ago; -1 when it cannot be asked.
int backBufferAge();

// Whether the renderer draws on the processor: GLX_MESA_query_renderer's answer (accelerated 0
// or 1; -1 where it cannot be asked), else the renderer's name.
bool isSoftwareRenderer(int accelerated, const char* renderer);

// --- The keeping policy and the swap check (picture_keeping.cpp) ---

// The way is chosen from what the driver says at start-up and at every new window size (see
// window/window.h): with buffer age the swap chain may change with the size (a full-screen
// window is often flipped, a smaller one copied). Drivers hand back fresh buffers at a new
// size: a picture lost in the first swaps after a resize, or with a new size already on its
// way, only restarts from black, as the resize itself does.
enum class PictureKeeping {
  undecided,   // no size known yet
  swap,        // drawn into the window; the swap keeps the back buffer
  framebuffer  // drawn into a framebuffer object, copied to the window before each swap
};

// Swaps at a new size that may lose the picture because of the resize, not of the driver.
constexpr int settlingSwaps = 2;

// Written only by the two functions below.
struct KeepingPolicy {
  PictureKeeping way = PictureKeeping::undecided;
  int swapsAtSize = 0;              // swaps since the window's size last changed
  bool framebufferForGood = false;  // a software driver lost the picture at a steady size
};

// A new window size: the way is chosen again from what the driver says.
void followResize(KeepingPolicy& policy, const DriverReport& driver);

// Follows one swap made while drawing into the window: kept is whether the back buffer held
// the picture after it, resizing whether a new size was already on its way. Returns whether the
// picture was lost, so that the next frame starts from black.
bool followSwap(KeepingPolicy& policy, const DriverReport& driver, bool kept, bool resizing);

// Whether a swap kept the picture is judged from a few lines of pixels read just before the
// swap and just after it: well under a millisecond, against several for copying the picture.
constexpr int sampleLineCount = 8;
constexpr int maxSampleLineLength = 8192;  // longer rows and columns are read in part
constexpr int maxSamplePixels = sampleLineCount * maxSampleLineLength;

// A row (height 1) or a column (width 1) of pixels, (0, 0) at the bottom-left.
struct SampleLine {
  int x, y, width, height;
};

// Where the lines sit in a width x height window: rows at 1/8, 3/8, 5/8 and 7/8 of the height,
// columns at the same fractions of the width. pixels is their total; 0 for an empty window.
struct SampleLayout {
  SampleLine lines[sampleLineCount];
  int pixels;
};
SampleLayout sampleLayout(int width, int height);

// How the picture is kept now; whether a framebuffer object is held for it; what the swaps
// have shown since the keeping started (releasePicture starts it again).
PictureKeeping pictureKeeping();
bool pictureResourcesHeld();
struct KeepingRecord {
  int swapsChecked;  // swaps drawn into the window whose result was checked or asked
  int swapsLost;     // of those, swaps after which the back buffer did not hold the picture
};
KeepingRecord keepingRecord();

// --- The framebuffer object that keeps the picture (picture_framebuffer.cpp) ---

// Where the back buffer does not keep the picture, every frame draws into a framebuffer object
// (colour and depth, like the window), copied into the window's back buffer before each swap,
// pixel for pixel: blitted, but into a multisampled window, where a blit from a framebuffer of
// another sample count is GL_INVALID_OPERATION by OpenGL's rules, drawn as a textured quad.
struct PictureFramebuffer {
  GLuint framebuffer, colour, depth;  // all 0: none
  int width, height;
  bool colourTexture;  // the colour is a texture, else a renderbuffer
};

// Makes it at the size with the window's channels (the previous one freed); false, and nothing
// made, when the driver cannot. Leaves the window's framebuffer and the texture bound as before.
bool makePictureFramebuffer(PictureFramebuffer& picture, int width, int height,
                            bool forMultisampledWindow);
void freePictureFramebuffer(PictureFramebuffer& picture);

// Binds the framebuffer object, or the window's (0), for drawing and reading.
void bindPictureFramebuffer(GLuint framebuffer);

// The picture into the window's back buffer, the GL state put back as it was but the window's
// framebuffer bound.
void copyPictureToWindow(const PictureFramebuffer& picture);

// --- Placement (window_placement.cpp) ---

// A rectangle of the X screen in pixels, (x, y) its top-left corner.
struct ScreenRectangle {
  int x, y, width, height;
};

// The first of the monitors that holds the point (x, y), else the nearest (monitors that do not
// tile the screen leave gaps); screen where there is no monitor of any size.
ScreenRectangle monitorAt(const ScreenRectangle* monitors, int count, int x, int y,
                          ScreenRectangle screen);

// --- Frame pacing (frame_pacing.cpp) ---

// The least time between two frames in milliseconds: 1000 / N for fps a whole number N from 1
// up; 0, no pace, for "0"; else 1000 / the refresh rate in hertz, 60 where unknown or 0.
double framePeriodMs(const char* fps, int refreshHz);

// When the next frame may start, on a steady millisecond clock.
struct FramePace {
  double periodMs;  // 0: no pace
  double dueMs;     // the next frame's start; 0 before the first
};

// How long to wait at nowMs before the next frame starts (never more than one period), and the
// due time after it. A late frame starts at once and the schedule moves on from there, so
// lateness never piles up into a burst.
double waitBeforeFrame(FramePace& pace, double nowMs);
