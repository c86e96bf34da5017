#pragma once

#include <GL/gl.h>

// Loads the data file name (font.bmp, say), an uncompressed 24-bit BMP of size x size pixels,
// into a new RGBA texture from the first place holding a copy that can be used (dataFilePaths,
// readFirstUsableBmp): a copy that cannot be used counts as missing, so a bad copy in the
// working directory does not hide a good installed one. Returns the texture's name (left
// bound), or 0 when no copy can be used: one that cannot be opened, is not a regular file (a
// FIFO is refused without waiting on it) or is not such a BMP; then no texture is created and
// nothing is printed. Mipmapped textures get the whole chain.
// alphaValue < 0 takes alpha from brightness; otherwise a texel gets alphaValue where any
// channel reaches alphaThreshold, else 0.
GLuint loadDataTexture(const char* name, int size, int alphaValue, int alphaThreshold,
                       bool mipmapped);
