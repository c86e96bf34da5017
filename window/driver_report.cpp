#include <GL/glx.h>

#include <cctype>
#include <cstring>
#include <initializer_list>

#include "window/window_internal.h"

namespace {

// From GLX_EXT_buffer_age and GLX_MESA_query_renderer.
constexpr int backBufferAgeAttribute = 0x20F4;  // GLX_BACK_BUFFER_AGE_EXT
constexpr int acceleratedAttribute = 0x8186;    // GLX_RENDERER_ACCELERATED_MESA

using QueryRendererInteger = Bool (*)(int attribute, unsigned int* value);

// GLX_MESA_query_renderer's accelerated flag: 1 or 0, or -1 where the driver does not say.
int askAccelerated(const char* glxExtensions) {
  if (!hasGlExtension(glxExtensions, "GLX_MESA_query_renderer")) return -1;
  const auto query = reinterpret_cast<QueryRendererInteger>(
      glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXQueryCurrentRendererIntegerMESA")));
  unsigned int accelerated = 0;
  if (query == nullptr || !query(acceleratedAttribute, &accelerated)) return -1;
  return accelerated ? 1 : 0;
}

bool isDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c));
}

}  // namespace

int glVersionNumber(const char* version) {
  if (!version || !isDigit(version[0])) return 0;
  int major = 0;
  const char* at = version;
  for (; isDigit(*at); ++at) major = major * 10 + (*at - '0');
  return major * 10 + (at[0] == '.' && isDigit(at[1]) ? at[1] - '0' : 0);
}

bool hasGlExtension(const char* extensions, const char* name) {
  if (!extensions || !name || !*name) return false;
  const size_t length = std::strlen(name);
  for (const char* at = std::strstr(extensions, name); at; at = std::strstr(at + 1, name)) {
    const bool starts = at == extensions || at[-1] == ' ';
    if (starts && (at[length] == '\0' || at[length] == ' ')) return true;
  }
  return false;
}

FramebufferNames framebufferNames(const char* version, const char* extensions) {
  if (glVersionNumber(version) >= 30 || hasGlExtension(extensions, "GL_ARB_framebuffer_object"))
    return FramebufferNames::core;
  if (hasGlExtension(extensions, "GL_EXT_framebuffer_object") &&
      hasGlExtension(extensions, "GL_EXT_framebuffer_blit"))
    return FramebufferNames::ext;
  return FramebufferNames::none;
}

DriverReport askDriver() {
  DriverReport report = {false, true, false};
  Display* display = glXGetCurrentDisplay();
  if (!display || !glXGetCurrentContext()) return report;
  const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
  report.bufferAge = hasGlExtension(extensions, "GLX_EXT_buffer_age");
  report.software = isSoftwareRenderer(askAccelerated(extensions),
                                       reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  GLint sampleBuffers = 0;
  glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
  report.multisampled = sampleBuffers > 0;
  return report;
}

int backBufferAge() {
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable drawable = glXGetCurrentDrawable();
  if (!display || !drawable) return -1;
  unsigned int age = 0;
  glXQueryDrawable(display, drawable, backBufferAgeAttribute, &age);
  return static_cast<int>(age);
}

bool isSoftwareRenderer(int accelerated, const char* renderer) {
  if (accelerated >= 0) return accelerated == 0;
  if (renderer == nullptr) return true;
  for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer", "SwiftShader",
                           "GDI Generic", "Microsoft Basic Render"})
    if (std::strstr(renderer, name) != nullptr) return true;
  return false;
}
