#include "window/picture_framebuffer.h"

#include <GL/glext.h>
#include <GL/glx.h>

#include "window/gl_capabilities.h"

namespace {

// Entry points, looked up by their core or EXT names; written only by lookUpEntryPoints.
struct FramebufferCalls {
  PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
  PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers;
  PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;
  PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
  PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers;
  PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
  PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
  PFNGLBLITFRAMEBUFFERPROC blitFramebuffer;
};
FramebufferCalls calls = {};
int lookedUp = 0;
bool available = false;

template <typename Call>
void lookUp(Call& call, const char* name, FramebufferNames names) {
  char full[80] = {};
  const char* suffix = names == FramebufferNames::ext ? "EXT" : "";
  int at = 0;
  for (const char* c = name; *c && at < 70; ++c) full[at++] = *c;
  for (const char* c = suffix; *c; ++c) full[at++] = *c;
  call = reinterpret_cast<Call>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(full)));
}

bool lookUpEntryPoints() {
  const FramebufferNames names =
      framebufferNames(reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                       reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
  if (names == FramebufferNames::none) return false;
  lookUp(calls.genFramebuffers, "glGenFramebuffers", names);
  lookUp(calls.deleteFramebuffers, "glDeleteFramebuffers", names);
  lookUp(calls.bindFramebuffer, "glBindFramebuffer", names);
  lookUp(calls.framebufferRenderbuffer, "glFramebufferRenderbuffer", names);
  lookUp(calls.checkFramebufferStatus, "glCheckFramebufferStatus", names);
  lookUp(calls.genRenderbuffers, "glGenRenderbuffers", names);
  lookUp(calls.deleteRenderbuffers, "glDeleteRenderbuffers", names);
  lookUp(calls.bindRenderbuffer, "glBindRenderbuffer", names);
  lookUp(calls.renderbufferStorage, "glRenderbufferStorage", names);
  lookUp(calls.blitFramebuffer, "glBlitFramebuffer", names);
  return calls.genFramebuffers && calls.deleteFramebuffers && calls.bindFramebuffer &&
         calls.framebufferRenderbuffer && calls.checkFramebufferStatus && calls.genRenderbuffers &&
         calls.deleteRenderbuffers && calls.bindRenderbuffer && calls.renderbufferStorage &&
         calls.blitFramebuffer;
}

GLuint makeRenderbuffer(GLenum format, int width, int height) {
  GLuint renderbuffer = 0;
  calls.genRenderbuffers(1, &renderbuffer);
  calls.bindRenderbuffer(GL_RENDERBUFFER, renderbuffer);
  calls.renderbufferStorage(GL_RENDERBUFFER, format, width, height);
  calls.bindRenderbuffer(GL_RENDERBUFFER, 0);
  return renderbuffer;
}

}  // namespace

bool framebufferBlitAvailable() {
  if (!lookedUp) {
    lookedUp = 1;
    available = lookUpEntryPoints();
  }
  return available;
}

bool makePictureFramebuffer(PictureFramebuffer& picture, int width, int height) {
  picture = {0, 0, 0, 0, 0};
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
  picture.colour = makeRenderbuffer(alphaBits > 0 ? GL_RGBA8 : GL_RGB8, width, height);
  picture.depth = makeRenderbuffer(depthFormat, width, height);
  calls.genFramebuffers(1, &picture.framebuffer);
  calls.bindFramebuffer(GL_FRAMEBUFFER, picture.framebuffer);
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
  if (picture.colour) calls.deleteRenderbuffers(1, &picture.colour);
  if (picture.depth) calls.deleteRenderbuffers(1, &picture.depth);
  picture = {0, 0, 0, 0, 0};
}

void bindPictureFramebuffer(GLuint framebuffer) {
  if (framebufferBlitAvailable()) calls.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

void blitPictureToWindow(const PictureFramebuffer& picture) {
  const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
  if (scissor) glDisable(GL_SCISSOR_TEST);
  calls.bindFramebuffer(GL_READ_FRAMEBUFFER, picture.framebuffer);
  calls.bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  calls.blitFramebuffer(0, 0, picture.width, picture.height, 0, 0, picture.width, picture.height,
                        GL_COLOR_BUFFER_BIT, GL_NEAREST);
  calls.bindFramebuffer(GL_FRAMEBUFFER, 0);
  if (scissor) glEnable(GL_SCISSOR_TEST);
}
