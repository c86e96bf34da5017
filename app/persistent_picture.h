#pragma once

// The previous picture, kept by the program itself. Screen blanking darkens the previous
// picture and the pile-up mode draws onto it, but what the back buffer holds after a buffer
// swap is the driver's choice: a copying swap keeps the picture, a flipping one leaves a
// picture two frames old or undefined content. So every finished picture is copied into
// textures before the swap and laid back into the back buffer right after it, before input
// callbacks (which may draw a message at once) or the next frame draw onto it. This needs
// only OpenGL 1.1: power-of-two textures where other sizes are missing, and several tiles
// where one texture cannot cover the window.

#include <GL/glut.h>

// Most textures the picture may be split into; a window that needs more is not kept (the
// buffer swap alone then decides what the next frame finds).
constexpr int maxPictureTiles = 16;

// How the window's picture is split into textures. Every tile's texture is tileWidth by
// tileHeight; the tiles in the last column and row may use only part of theirs.
struct PictureTiling {
  int tileWidth, tileHeight;  // texture size, pixels
  int columns, rows;          // 0 when nothing can be kept
};

// The tiling for a window of the given size: one texture where it fits, at the window's own
// size where textures may have any size (anySize) or the next power of two otherwise, and
// tiles no larger than maxTextureSide. No tiles for an empty window or one needing more than
// maxPictureTiles.
PictureTiling pictureTiling(int width, int height, bool anySize, int maxTextureSide);

// Whether textures of any size are available, from the GL_VERSION and GL_EXTENSIONS strings:
// from OpenGL 2.0 on, or with GL_ARB_texture_non_power_of_two. Null strings count as absent.
bool hasAnySizeTextures(const char* version, const char* extensions);

// Ends a frame: keeps the finished picture, swaps the buffers and lays the picture back into
// the new back buffer. The display callback passes the toolkit's swap.
void showPicture(void (*swapBuffers)() = glutSwapBuffers);

// The textures the picture is kept in at the current window size (decided at the first
// showPicture in it): their number, 0 when nothing is kept, and each one's name.
int pictureTileCount();
GLuint pictureTexture(int tile);

// Caps the side of the textures below what the context allows (0: no cap), so that the
// tests and the benchmark can run the tiled path on any context.
void limitPictureTextureSide(int side);

// Deletes the textures; called on the way out. A later showPicture would start afresh.
void releasePicture();
