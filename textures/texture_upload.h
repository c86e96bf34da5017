#pragma once

#include <GL/gl.h>

// Makes a new texture from size x size RGBA texels (row-major, the first row at t = 0) and
// leaves it bound to GL_TEXTURE_2D. Sets the unpack alignment to 1 and the texture environment
// to GL_MODULATE, both global settings. Filters are linear; mipmapped adds the whole mipmap
// chain and minifies with GL_LINEAR_MIPMAP_NEAREST. Returns the texture name.
GLuint uploadRgbaTexture(const unsigned char* rgba, int size, bool mipmapped);
