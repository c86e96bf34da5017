#pragma once

#include <GL/gl.h>

// Loads an uncompressed 24-bit BMP of size x size pixels into a new RGBA texture and returns
// its name (left bound), or 0 when the file cannot be opened, is not a regular file (a FIFO is
// refused without waiting on it) or is not such a BMP; then no
// texture is created and nothing is printed. Mipmapped textures get the whole chain.
// alphaValue < 0 takes alpha from brightness; otherwise a texel gets alphaValue where any
// channel reaches alphaThreshold, else 0.
//
// When fileName is where dataFilePath found a data file, a copy there that cannot be used counts
// as missing: the later places holding that data file are read in turn, and the first whole
// image among them is loaded (see readFirstUsableBmp), so a bad copy in the working directory
// does not hide a good installed one.
GLuint loadBmpTexture(const char* fileName, int size, int alphaValue, int alphaThreshold,
                      bool mipmapped);
