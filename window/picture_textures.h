#pragma once

// The last-resort way of keeping the picture, for contexts without framebuffer blits: the
// finished picture is copied into textures before the swap and drawn back into the back buffer
// after it. This needs only OpenGL 1.1: power-of-two textures where other sizes are missing,
// and several tiles where one texture cannot cover the window.

#include <GL/gl.h>

// Most textures the picture may be split into; a window that needs more is not kept this way.
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

// Makes the textures for a window of this size, unless they exist already; false when the
// picture cannot be kept in textures at this size.
bool prepareTextures(int width, int height);

// The back buffer into the textures, and the textures back into the back buffer, one texel per
// pixel. Drawing back saves the GL state it changes and puts exactly that back.
void copyWindowToTextures();
void drawTexturesToWindow();

// The textures in use: their number, 0 when there are none, and each one's name.
int pictureTileCount();
GLuint pictureTexture(int tile);

// Caps the side of the textures below what the context allows (0: no cap), so that the tests
// and the benchmark can run the tiled path on any context.
void limitPictureTextureSide(int side);

// Deletes the textures.
void releaseTextures();
