#pragma once

// A framebuffer object that holds the picture where the window's back buffer does not keep it:
// every frame draws into it (colour and depth, like the window), and it is blitted into the
// window's back buffer once before each swap, pixel for pixel.

#include <GL/gl.h>

// Whether framebuffer objects with blitting are available; looks the entry points up once per
// process, the first time it is asked with a context current.
bool framebufferBlitAvailable();

// A framebuffer object with its colour and depth renderbuffers, or nothing (framebuffer 0).
struct PictureFramebuffer {
  GLuint framebuffer, colour, depth;
  int width, height;
};

// Makes it at the size; false (and nothing made) when the driver cannot. The previous one must
// have been freed. Leaves the window's framebuffer bound. Its colour has the window's channels.
bool makePictureFramebuffer(PictureFramebuffer& picture, int width, int height);
void freePictureFramebuffer(PictureFramebuffer& picture);

// Binds the framebuffer object, or the window's (0), for drawing and reading.
void bindPictureFramebuffer(GLuint framebuffer);

// The picture into the window's back buffer, the scissor test (which would clip it) off during
// the blit. Leaves the window's framebuffer bound.
void blitPictureToWindow(const PictureFramebuffer& picture);
