#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glx.h>

#include <cstdio>
#include <initializer_list>

#include "window/window_internal.h"

namespace {

// Entry points, looked up by their core or EXT names; written only by lookUpEntryPoints.
struct FramebufferCalls {
  PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
  PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers;
  PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
  PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;
  PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
  PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers;
  PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
  PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
  PFNGLBLITFRAMEBUFFERPROC blitFramebuffer;
};
FramebufferCalls calls = {};
int missingCalls = 0;

template <typename Call>
void lookUp(Call& call, const char* name, const char* suffix) {
  char full[64];
  std::snprintf(full, sizeof full, "%s%s", name, suffix);
  call = reinterpret_cast<Call>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(full)));
  missingCalls += call == nullptr;
}

bool lookUpEntryPoints() {
  const FramebufferNames names =
      framebufferNames(reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                       reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
  if (names == FramebufferNames::none) return false;
  const char* suffix = names == FramebufferNames::ext ? "EXT" : "";
  lookUp(calls.genFramebuffers, "glGenFramebuffers", suffix);
  lookUp(calls.deleteFramebuffers, "glDeleteFramebuffers", suffix);
  lookUp(calls.bindFramebuffer, "glBindFramebuffer", suffix);
  lookUp(calls.framebufferRenderbuffer, "glFramebufferRenderbuffer", suffix);
  lookUp(calls.framebufferTexture2D, "glFramebufferTexture2D", suffix);
  lookUp(calls.checkFramebufferStatus, "glCheckFramebufferStatus", suffix);
  lookUp(calls.genRenderbuffers, "glGenRenderbuffers", suffix);
  lookUp(calls.deleteRenderbuffers, "glDeleteRenderbuffers", suffix);
  lookUp(calls.bindRenderbuffer, "glBindRenderbuffer", suffix);
  lookUp(calls.renderbufferStorage, "glRenderbufferStorage", suffix);
  lookUp(calls.blitFramebuffer, "glBlitFramebuffer", suffix);
  return missingCalls == 0;
}

// Whether framebuffer objects with blitting are available; looks the entry points up once per
// process, the first time it is asked with a context current.
bool framebufferBlitAvailable() {
  static const bool available = lookUpEntryPoints();
  return available;
}

GLuint makeRenderbuffer(GLenum format, int width, int height) {
  GLuint renderbuffer = 0;
  calls.genRenderbuffers(1, &renderbuffer);
  calls.bindRenderbuffer(GL_RENDERBUFFER, renderbuffer);
  calls.renderbufferStorage(GL_RENDERBUFFER, format, width, height);
  calls.bindRenderbuffer(GL_RENDERBUFFER, 0);
  return renderbuffer;
}

// A texture to draw the picture into, read back texel for pixel: no mipmaps, nearest texel.
GLuint makeColourTexture(GLenum format, int width, int height) {
  GLint bound = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), width, height, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, nullptr);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
  return texture;
}

// No frame leaves the scissor test on (each drawing routine turns off what it turned on), so
// the blit covers the whole window.
void blitToWindow(const PictureFramebuffer& picture) {
  calls.bindFramebuffer(GL_READ_FRAMEBUFFER, picture.framebuffer);
  calls.bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  calls.blitFramebuffer(0, 0, picture.width, picture.height, 0, 0, picture.width, picture.height,
                        GL_COLOR_BUFFER_BIT, GL_NEAREST);
  calls.bindFramebuffer(GL_FRAMEBUFFER, 0);
}

// The texture over the whole window: the quad spans clip space from -1 to 1 and the texture
// from 0 to 1, so each pixel's centre falls on its texel's centre. Whatever state the frame
// left is pushed and popped, and only texturing, replacing the colour, is on while it draws.
void drawTextureOverWindow(const PictureFramebuffer& picture) {
  calls.bindFramebuffer(GL_FRAMEBUFFER, 0);
  glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_POLYGON_BIT | GL_TEXTURE_BIT |
               GL_VIEWPORT_BIT | GL_TRANSFORM_BIT);
  for (const GLenum matrix : {GL_TEXTURE, GL_PROJECTION, GL_MODELVIEW}) {
    glMatrixMode(matrix);
    glPushMatrix();
    glLoadIdentity();
  }
  for (const GLenum feature :
       {GL_DEPTH_TEST, GL_BLEND, GL_ALPHA_TEST, GL_LIGHTING, GL_FOG, GL_CULL_FACE, GL_SCISSOR_TEST,
        GL_STENCIL_TEST, GL_COLOR_LOGIC_OP, GL_POLYGON_STIPPLE, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T,
        GL_TEXTURE_1D, GL_TEXTURE_3D, GL_TEXTURE_CUBE_MAP, GL_SAMPLE_ALPHA_TO_COVERAGE,
        GL_SAMPLE_COVERAGE})
    glDisable(feature);
  glViewport(0, 0, picture.width, picture.height);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, picture.colour);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glBegin(GL_QUADS);
  glTexCoord2i(0, 0);
  glVertex2i(-1, -1);
  glTexCoord2i(1, 0);
  glVertex2i(1, -1);
  glTexCoord2i(1, 1);
  glVertex2i(1, 1);
  glTexCoord2i(0, 1);
  glVertex2i(-1, 1);
  glEnd();
  for (const GLenum matrix : {GL_MODELVIEW, GL_PROJECTION, GL_TEXTURE}) {
    glMatrixMode(matrix);
    glPopMatrix();
  }
  glPopAttrib();
}

}  // namespace

bool makePictureFramebuffer(PictureFramebuffer& picture, int width, int height,
                            bool forMultisampledWindow) {
  picture = {0, 0, 0, 0, 0, false};
  bindPictureFramebuffer(0);
  if (!framebufferBlitAvailable() || width <= 0 || height <= 0) return false;
  picture.width = width;
  picture.height = height;
  // The window's channels, so that the picture is drawn alike: eight bits a colour channel
  // (they blit fastest), alpha only where the window has it (some particles blend by the
  // destination's alpha, which reads as 1 without it), and as many depth bits (they decide
  // which of two close surfaces wins).
  GLint alphaBits = 0, depthBits = 0;
  glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  const GLenum depthFormat = depthBits >= 32   ? GL_DEPTH_COMPONENT32
                             : depthBits >= 24 ? GL_DEPTH_COMPONENT24
                                               : GL_DEPTH_COMPONENT16;
  const GLenum colourFormat = alphaBits > 0 ? GL_RGBA8 : GL_RGB8;
  picture.colourTexture = forMultisampledWindow;
  picture.colour = forMultisampledWindow ? makeColourTexture(colourFormat, width, height)
                                         : makeRenderbuffer(colourFormat, width, height);
  picture.depth = makeRenderbuffer(depthFormat, width, height);
  calls.genFramebuffers(1, &picture.framebuffer);
  calls.bindFramebuffer(GL_FRAMEBUFFER, picture.framebuffer);
  if (picture.colourTexture)
    calls.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, picture.colour,
                               0);
  else
    calls.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                  picture.colour);
  calls.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                picture.depth);
  const bool complete = calls.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  calls.bindFramebuffer(GL_FRAMEBUFFER, 0);
  if (!complete) freePictureFramebuffer(picture);
  return complete;
}

void freePictureFramebuffer(PictureFramebuffer& picture) {
  if (picture.framebuffer) calls.deleteFramebuffers(1, &picture.framebuffer);
  if (picture.colour && picture.colourTexture) glDeleteTextures(1, &picture.colour);
  if (picture.colour && !picture.colourTexture) calls.deleteRenderbuffers(1, &picture.colour);
  if (picture.depth) calls.deleteRenderbuffers(1, &picture.depth);
  picture = {0, 0, 0, 0, 0, false};
}

void bindPictureFramebuffer(GLuint framebuffer) {
  if (framebufferBlitAvailable()) calls.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

void copyPictureToWindow(const PictureFramebuffer& picture) {
  if (picture.colourTexture)
    drawTextureOverWindow(picture);
  else
    blitToWindow(picture);
}
