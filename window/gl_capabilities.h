#pragma once

// Reading what a context offers from its GL_VERSION and GL_EXTENSIONS strings. Null strings
// count as offering nothing.

// The version as major * 10 + minor ("4.5 (Compatibility Profile) Mesa 22.3.6" gives 45);
// 0 when it cannot be read.
int glVersionNumber(const char* version);

// Whether the space-separated list holds the name as a whole word.
bool hasGlExtension(const char* extensions, const char* name);

// Which names the framebuffer-object calls with blitting go by: the core ones from OpenGL 3.0 or
// with GL_ARB_framebuffer_object, the EXT ones with GL_EXT_framebuffer_object and
// GL_EXT_framebuffer_blit together, or none.
enum class FramebufferNames { none, core, ext };
FramebufferNames framebufferNames(const char* version, const char* extensions);
