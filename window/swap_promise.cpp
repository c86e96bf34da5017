#include "window/swap_promise.h"

#include <GL/glx.h>

#include "window/gl_capabilities.h"

namespace {

// From GLX_OML_swap_method and GLX_EXT_buffer_age.
constexpr int swapMethodAttribute = 0x8060;     // GLX_SWAP_METHOD_OML
constexpr int copySwapMethod = 0x8062;          // GLX_SWAP_COPY_OML
constexpr int backBufferAgeAttribute = 0x20F4;  // GLX_BACK_BUFFER_AGE_EXT

bool configHasCopySwap(Display* display, GLXContext context) {
  int configId = 0;
  if (glXQueryContext(display, context, GLX_FBCONFIG_ID, &configId) != Success) return false;
  const int wanted[] = {GLX_FBCONFIG_ID, configId, None};
  int count = 0;
  GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), wanted, &count);
  if (!configs) return false;
  int method = 0;
  const bool asked = count > 0 && glXGetFBConfigAttrib(display, configs[0], swapMethodAttribute,
                                                       &method) == Success;
  XFree(configs);
  return asked && method == copySwapMethod;
}

}  // namespace

SwapPromise askSwapPromise() {
  SwapPromise promise = {false, false};
  Display* display = glXGetCurrentDisplay();
  GLXContext context = glXGetCurrentContext();
  if (!display || !context) return promise;
  const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
  promise.bufferAge = hasGlExtension(extensions, "GLX_EXT_buffer_age");
  promise.copySwap =
      hasGlExtension(extensions, "GLX_OML_swap_method") && configHasCopySwap(display, context);
  return promise;
}

int backBufferAge() {
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable drawable = glXGetCurrentDrawable();
  if (!display || !drawable) return -1;
  unsigned int age = 0;
  glXQueryDrawable(display, drawable, backBufferAgeAttribute, &age);
  return static_cast<int>(age);
}
