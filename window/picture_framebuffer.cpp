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

bool makePictureCopy(PictureCopy& copy, int width, int height) {
  copy = {0, 0, 0, 0};
  if (!framebufferBlitAvailable() || width <= 0 || height <= 0) return false;
  copy.width = width;
  copy.height = height;
  // Eight bits a channel holds the window's colours exactly, with or without alpha bits, and
  // copies fastest.
  copy.colour = makeRenderbuffer(GL_RGBA8, width, height);
  calls.genFramebuffers(1, &copy.framebuffer);
  calls.bindFramebuffer(GL_FRAMEBUFFER, copy.framebuffer);
  calls.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, copy.colour);
  const bool complete = calls.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  calls.bindFramebuffer(GL_FRAMEBUFFER, 0);
  if (!complete) freePictureCopy(copy);
  return complete;
}

void freePictureCopy(PictureCopy& copy) {
  if (copy.framebuffer) calls.deleteFramebuffers(1, &copy.framebuffer);
  if (copy.colour) calls.deleteRenderbuffers(1, &copy.colour);
  copy = {0, 0, 0, 0};
}

namespace {

void blit(GLuint from, GLenum fromWindowBuffer, GLuint to, int width, int height) {
  const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
  if (scissor) glDisable(GL_SCISSOR_TEST);
  calls.bindFramebuffer(GL_READ_FRAMEBUFFER, from);
  if (from == 0) glReadBuffer(fromWindowBuffer);
  calls.bindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
  calls.blitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  calls.bindFramebuffer(GL_FRAMEBUFFER, 0);
  if (from == 0 && fromWindowBuffer != GL_BACK) glReadBuffer(GL_BACK);
  if (scissor) glEnable(GL_SCISSOR_TEST);
}

}  // namespace

void copyWindowToPictureCopy(const PictureCopy& copy) {
  blit(0, GL_BACK, copy.framebuffer, copy.width, copy.height);
}

void copyPictureCopyToWindow(const PictureCopy& copy) {
  blit(copy.framebuffer, GL_BACK, 0, copy.width, copy.height);
}

void copyFrontToBack(int width, int height) {
  if (framebufferBlitAvailable()) blit(0, GL_FRONT, 0, width, height);
}
