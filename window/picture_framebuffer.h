#pragma once

// A framebuffer object that holds the picture where the window's back buffer does not keep it:
// every frame draws into it (colour and depth, like the window), and it is copied into the
// window's back buffer once before each swap, pixel for pixel. The copy is a blit, but for a
// multisampled window: a blit into one from a framebuffer of another sample count is
// GL_INVALID_OPERATION by OpenGL's rules (some drivers copy all the same), so there the
// picture's colour is a texture, drawn over the whole window texel for pixel. Every sample of
// a pixel takes its texel, and the window's resolve gives the picture exactly.

#include <GL/gl.h>

// Whether framebuffer objects with blitting are available; looks the entry points up once per
// process, the first time it is asked with a context current.
bool framebufferBlitAvailable();

// A framebuffer object with its colour and depth, or nothing (framebuffer 0). The colour is a
// texture where colourTexture is set, else a renderbuffer; the depth a renderbuffer.
struct PictureFramebuffer {
  GLuint framebuffer, colour, depth;
  int width, height;
  bool colourTexture;
};

// Makes it at the size, its colour a texture for a multisampled window; false (and nothing
// made) when the driver cannot. The previous one must have been freed. Leaves the window's
// framebuffer bound and the texture binding as it was. Its colour has the window's channels.
bool makePictureFramebuffer(PictureFramebuffer& picture, int width, int height,
                            bool forMultisampledWindow);
void freePictureFramebuffer(PictureFramebuffer& picture);

// Binds the framebuffer object, or the window's (0), for drawing and reading.
void bindPictureFramebuffer(GLuint framebuffer);

// The picture into the window's back buffer, blitted, or drawn where its colour is a texture;
// the GL state that would change it (the scissor test, blending, the polygon mode, ...) is set
// aside meanwhile and put back. Leaves the window's framebuffer bound.
void copyPictureToWindow(const PictureFramebuffer& picture);
