#include "window/gl_capabilities.h"

#include <cctype>
#include <cstring>

int glVersionNumber(const char* version) {
  if (!version || !std::isdigit(static_cast<unsigned char>(version[0]))) return 0;
  int major = 0;
  const char* at = version;
  for (; std::isdigit(static_cast<unsigned char>(*at)); ++at) major = major * 10 + (*at - '0');
  const int minor =
      at[0] == '.' && std::isdigit(static_cast<unsigned char>(at[1])) ? at[1] - '0' : 0;
  return major * 10 + minor;
}

bool hasGlExtension(const char* extensions, const char* name) {
  if (!extensions || !name || !*name) return false;
  const size_t length = std::strlen(name);
  for (const char* at = std::strstr(extensions, name); at; at = std::strstr(at + 1, name)) {
    const bool starts = at == extensions || at[-1] == ' ';
    const bool ends = at[length] == '\0' || at[length] == ' ';
    if (starts && ends) return true;
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
