#pragma once

#include <GL/gl.h>

// Greyscale sprite images made in code: 128 x 128 texels of 4 bytes, row-major (row r, column
// c at byte r * 512 + c * 4), every channel of a texel holding the same value, so a sprite is
// white with coverage v and takes its colour from the current colour under GL_MODULATE.
// Distances are measured in texels from texel (64, 64).
constexpr int spriteSide = 128;
constexpr int spriteBytes = spriteSide * spriteSide * 4;

// The patterns makeProceduralTexture knows.
constexpr int glowPattern = 0;       // soft round spot, 255 at the centre, 0 from distance 64
constexpr int cloudPuffPattern = 5;  // a random heap of 80 soft discs
constexpr int pillowPattern = 6;     // square spot, 255 at the centre, 0 along row and column 0

void fillGlowImage(unsigned char* image);

// Draws the 80 puffs' centres from random(), column before row for each puff. The image is
// cleared during the first puff's pass; sums past 255 wrap round, so dense spots turn dark.
void fillCloudPuffImage(unsigned char* image);

// Fills image with pattern; an unknown pattern gives an empty (all zero) image.
void fillProceduralImage(int pattern, unsigned char* image);

// Makes a new linear-filtered texture of pattern, without mipmaps, and returns its name (it
// stays bound).
GLuint makeProceduralTexture(int pattern);
