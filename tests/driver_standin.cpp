// Loaded with LD_PRELOAD under the program, on Mesa's software renderer under Xvfb. It counts
// what each frame asks of the driver and the X server, and, chosen by the environment, makes
// the driver look like the ones most users have:
//   STANDIN_COUNTS=FILE   a line a frame (each glXSwapBuffers ends one): server grabs,
//                         glReadPixels calls, framebuffer blits and the round trips to the X
//                         server that the program and its toolkit make (not the GL driver's own);
//   STANDIN_AGE=1 or 2    GLX_EXT_buffer_age answering that age; at age 2 the back buffer is
//                         magenta after every swap, as a flipping driver hands back a buffer
//                         that does not hold the picture just shown; at age 1, 0 after the
//                         first swap at a new size, where GPU drivers hand back a fresh buffer;
//   STANDIN_SPOIL=1       the back buffer is magenta after every swap, without buffer age;
//   STANDIN_ACCELERATED=1 the current renderer says it is a hardware one;
//   STANDIN_SAMPLES=N     every window is multisampled, N samples a pixel, whatever the program
//                         asks, as where a driver's control panel forces antialiasing; and a
//                         blit into a multisampled framebuffer copies nothing, as OpenGL's
//                         rules have strict drivers refuse it (Mesa copies).
// STANDIN_SPOIL and STANDIN_ACCELERATED are read at each use, so a test can change the driver.
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

int setting(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::atoi(value) : 0;
}
const int age = setting("STANDIN_AGE");
int accelerated() {
  return setting("STANDIN_ACCELERATED");
}
const int samples = setting("STANDIN_SAMPLES");

// This frame's counts. The driver's own threads might call a wrapper too.
std::atomic<int> grabs{0}, reads{0}, blits{0}, roundTrips{0};
int countsFile = -2;                   // not opened yet
thread_local bool ownRequest = false;  // the stand-in's own round trip, not counted
bool freshBuffer = false;              // the last swap found the window at a new size
unsigned int swapWidth = 0, swapHeight = 0;

template <typename Call>
Call next(const char* name) {
  return reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
}
template <typename Call>
Call nextProc(const char* name) {
  static const auto real = next<__GLXextFuncPtr (*)(const GLubyte*)>("glXGetProcAddressARB");
  return reinterpret_cast<Call>(real(reinterpret_cast<const GLubyte*>(name)));
}

// Whether a request came from the program or its toolkit rather than the GL driver: its vendor
// library, its DRI or gallium module, and the dispatch libraries that lead to them.
bool programObject(const char* name) {
  for (const char* driver :
       {"libGLX_mesa", "_dri.so", "libgallium", "libGL.", "libGLX.", "libGLdispatch", "libglapi"})
    if (std::strstr(name, driver)) return false;
  return true;
}

// Walks the stack to the first caller outside this library and the X client libraries.
bool madeByProgram() {
  static Dl_info own = {};
  if (!own.dli_fbase) dladdr(reinterpret_cast<void*>(&programObject), &own);
  void* frames[64];
  const int depth = backtrace(frames, 64);
  for (int i = 1; i < depth; ++i) {
    Dl_info info = {};
    if (!dladdr(frames[i], &info) || !info.dli_fname || info.dli_fbase == own.dli_fbase) continue;
    const char* slash = std::strrchr(info.dli_fname, '/');
    const char* name = slash ? slash + 1 : info.dli_fname;
    if (std::strncmp(name, "libX", 4) && std::strncmp(name, "libxcb", 6))
      return programObject(name);
  }
  return true;
}

// Whether name is one of the space-separated extensions.
bool listed(const char* extensions, const char* name) {
  const size_t length = std::strlen(name);
  for (const char* at = std::strstr(extensions, name); at; at = std::strstr(at + 1, name))
    if ((at == extensions || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
      return true;
  return false;
}

// The real extension string with the pretended ones added.
const char* withPretended(const char* real, char (&made)[8192]) {
  if (!real || (!age && !accelerated())) return real;
  size_t length = std::snprintf(made, sizeof made, "%s", real);
  for (const char* name :
       {age ? "GLX_EXT_buffer_age" : "", accelerated() ? "GLX_MESA_query_renderer" : ""})
    if (*name && !listed(real, name) && length < sizeof made)
      length += std::snprintf(made + length, sizeof made - length, " %s", name);
  return made;
}

bool blitRefused() {
  GLint sampleBuffers = 0;  // the draw framebuffer's
  if (samples) glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
  return sampleBuffers > 0;
}

// Magenta over the whole back buffer of the current window, every bit of GL state left as it was.
void spoilBackBuffer() {
  static const auto bind = nextProc<PFNGLBINDFRAMEBUFFERPROC>("glBindFramebuffer");
  if (!bind || !glXGetCurrentContext()) return;
  GLint draw = 0, read = 0;
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read);
  bind(GL_FRAMEBUFFER, 0);
  // Pushed with the window's framebuffer bound, so that its own draw buffer is put back.
  glPushAttrib(GL_COLOR_BUFFER_BIT | GL_SCISSOR_BIT);
  glDrawBuffer(GL_BACK);
  glDisable(GL_SCISSOR_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glClearColor(1, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glPopAttrib();
  bind(GL_DRAW_FRAMEBUFFER, draw);
  bind(GL_READ_FRAMEBUFFER, read);
}

void endFrame() {
  if (countsFile == -2) {
    const char* path = std::getenv("STANDIN_COUNTS");
    countsFile = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644) : -1;
  }
  char line[64];
  const int length = std::snprintf(line, sizeof line, "%d %d %d %d\n", grabs.exchange(0),
                                   reads.exchange(0), blits.exchange(0), roundTrips.exchange(0));
  // One write per line: nothing waits in a buffer when the process ends, however it ends.
  if (countsFile >= 0 && write(countsFile, line, length) != length) countsFile = -1;
}

// backtrace loads its unwinder on first use: better now than inside the X library's lock.
__attribute__((constructor)) void loadUnwinder() {
  void* frame[1];
  backtrace(frame, 1);
}

}  // namespace

extern "C" {

// Every Xlib request that waits for the server's reply waits in here.
int _XReply(Display* display, void* reply, int extra, Bool discard) {
  static const auto real = next<int (*)(Display*, void*, int, Bool)>("_XReply");
  if (!ownRequest && madeByProgram()) roundTrips += 1;
  return real(display, reply, extra, discard);
}

int XGrabServer(Display* display) {
  static const auto real = next<int (*)(Display*)>("XGrabServer");
  grabs += 1;
  return real(display);
}

void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  void* pixels) {
  static const auto real = next<decltype(&glReadPixels)>("glReadPixels");
  reads += 1;
  real(x, y, width, height, format, type, pixels);
}

void glBlitFramebuffer(GLint x0, GLint y0, GLint x1, GLint y1, GLint toX0, GLint toY0, GLint toX1,
                       GLint toY1, GLbitfield mask, GLenum filter) {
  static const auto real = nextProc<PFNGLBLITFRAMEBUFFERPROC>("glBlitFramebuffer");
  blits += 1;
  if (!blitRefused()) real(x0, y0, x1, y1, toX0, toY0, toX1, toY1, mask, filter);
}

void glBlitFramebufferEXT(GLint x0, GLint y0, GLint x1, GLint y1, GLint toX0, GLint toY0,
                          GLint toX1, GLint toY1, GLbitfield mask, GLenum filter) {
  static const auto real = nextProc<PFNGLBLITFRAMEBUFFEREXTPROC>("glBlitFramebufferEXT");
  blits += 1;
  if (!blitRefused()) real(x0, y0, x1, y1, toX0, toY0, toX1, toY1, mask, filter);
}

Bool glXQueryCurrentRendererIntegerMESA(int attribute, unsigned int* value) {
  static const auto real =
      nextProc<PFNGLXQUERYCURRENTRENDERERINTEGERMESAPROC>("glXQueryCurrentRendererIntegerMESA");
  if (!accelerated() || attribute != GLX_RENDERER_ACCELERATED_MESA)
    return real ? real(attribute, value) : False;
  *value = 1;
  return True;
}

// The counting wrappers for the entry points the program looks up by name.
__GLXextFuncPtr glXGetProcAddressARB(const GLubyte* asked) {
  const char* name = reinterpret_cast<const char*>(asked);
  using Function = __GLXextFuncPtr;
  if (!std::strcmp(name, "glBlitFramebuffer")) return Function(glBlitFramebuffer);
  if (!std::strcmp(name, "glBlitFramebufferEXT")) return Function(glBlitFramebufferEXT);
  if (!std::strcmp(name, "glReadPixels")) return Function(glReadPixels);
  if (!std::strcmp(name, "glXQueryCurrentRendererIntegerMESA"))
    return Function(glXQueryCurrentRendererIntegerMESA);
  return nextProc<Function>(name);
}

__GLXextFuncPtr glXGetProcAddress(const GLubyte* name) {
  return glXGetProcAddressARB(name);
}

const char* glXQueryExtensionsString(Display* display, int screen) {
  static const auto real = next<decltype(&glXQueryExtensionsString)>("glXQueryExtensionsString");
  static char made[8192];
  return withPretended(real(display, screen), made);
}

const char* glXGetClientString(Display* display, int name) {
  static const auto real = next<decltype(&glXGetClientString)>("glXGetClientString");
  static char made[8192];
  return name == GLX_EXTENSIONS ? withPretended(real(display, name), made) : real(display, name);
}

void glXQueryDrawable(Display* display, GLXDrawable drawable, int attribute, unsigned int* value) {
  static const auto real = next<decltype(&glXQueryDrawable)>("glXQueryDrawable");
  if (age && attribute == GLX_BACK_BUFFER_AGE_EXT)
    *value = freshBuffer ? 0 : age;
  else
    real(display, drawable, attribute, value);
}

GLXFBConfig* glXChooseFBConfig(Display* display, int screen, const int* asked, int* count) {
  static const auto real = next<decltype(&glXChooseFBConfig)>("glXChooseFBConfig");
  if (!samples || !asked) return real(display, screen, asked, count);
  int forced[128];
  int at = 0;
  for (const int* pair = asked; *pair != None && at < 120; pair += 2)
    if (pair[0] != GLX_SAMPLE_BUFFERS && pair[0] != GLX_SAMPLES) {
      forced[at++] = pair[0];
      forced[at++] = pair[1];
    }
  for (const int value : {GLX_SAMPLE_BUFFERS, 1, GLX_SAMPLES, samples, int(None)})
    forced[at++] = value;
  return real(display, screen, forced, count);
}

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
  static const auto real = next<decltype(&glXSwapBuffers)>("glXSwapBuffers");
  real(display, drawable);
  const bool spoiling = age == 2 || setting("STANDIN_SPOIL");
  if (spoiling && drawable == glXGetCurrentDrawable()) spoilBackBuffer();
  if (age == 1 && drawable == glXGetCurrentDrawable()) {
    Window root;
    int x, y;
    unsigned int width = 0, height = 0, border, depth;
    ownRequest = true;
    XGetGeometry(display, drawable, &root, &x, &y, &width, &height, &border, &depth);
    ownRequest = false;
    freshBuffer = width != swapWidth || height != swapHeight;
    swapWidth = width;
    swapHeight = height;
  }
  endFrame();
}

}  // extern "C"
