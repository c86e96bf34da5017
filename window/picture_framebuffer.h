#pragma once

// A framebuffer object that holds a copy of the window's picture across the buffer swap: the
// finished picture is blitted into it before the swap and back into the back buffer after it,
// pixel for pixel (its colour format is the window's).

#include <GL/gl.h>

// Whether framebuffer objects with blitting are available; looks the entry points up once per
// process, the first time it is asked with a context current.
bool framebufferBlitAvailable();

// A framebuffer object with its colour renderbuffer, or nothing (framebuffer 0).
struct PictureCopy {
  GLuint framebuffer, colour;
  int width, height;
};

// Makes it at the size; false (and nothing made) when the driver cannot. The previous one must
// have been freed.
bool makePictureCopy(PictureCopy& copy, int width, int height);
void freePictureCopy(PictureCopy& copy);

// The window's back buffer into the copy, and the copy back into the back buffer. The scissor
// test, which would clip the copy, is off during it; the framebuffer bindings end at the
// window's and its read buffer at the back buffer.
void copyWindowToPictureCopy(const PictureCopy& copy);
void copyPictureCopyToWindow(const PictureCopy& copy);

// The window's front buffer into its back buffer, as above.
void copyFrontToBack(int width, int height);
