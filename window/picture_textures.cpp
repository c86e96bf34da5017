#include "window/picture_textures.h"

#include "window/gl_capabilities.h"

namespace {

int nextPowerOfTwo(int value) {
  int power = 1;
  while (power < value) power *= 2;
  return power;
}

int largestPowerOfTwoUpTo(int value) {
  int power = 1;
  while (power * 2 <= value) power *= 2;
  return power;
}

int tileSide(int windowSide, bool anySize, int maxSide) {
  const int wanted = anySize ? windowSide : nextPowerOfTwo(windowSide);
  const int allowed = anySize ? maxSide : largestPowerOfTwoUpTo(maxSide);
  return wanted < allowed ? wanted : allowed;
}

}  // namespace

PictureTiling pictureTiling(int width, int height, bool anySize, int maxTextureSide) {
  const PictureTiling nothing = {0, 0, 0, 0};
  if (width <= 0 || height <= 0 || maxTextureSide < 1) return nothing;
  PictureTiling tiling;
  tiling.tileWidth = tileSide(width, anySize, maxTextureSide);
  tiling.tileHeight = tileSide(height, anySize, maxTextureSide);
  tiling.columns = (width + tiling.tileWidth - 1) / tiling.tileWidth;
  tiling.rows = (height + tiling.tileHeight - 1) / tiling.tileHeight;
  if (tiling.columns * tiling.rows > maxPictureTiles) return nothing;
  return tiling;
}

namespace {

// Written only by prepareTextures, limitPictureTextureSide and releaseTextures.
struct TexturedPicture {
  PictureTiling tiling = {0, 0, 0, 0};
  GLuint textures[maxPictureTiles] = {};
  int width = 0, height = 0;  // the window size the tiles were made for
  int decided = 0;            // tiling and textures match that size
};
TexturedPicture kept;
int textureSideLimit = 0;

int tileCount() {
  return kept.tiling.columns * kept.tiling.rows;
}

// A texture of the given size can be made here.
bool textureFits(int width, int height) {
  glTexImage2D(GL_PROXY_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
  GLint madeWidth = 0;
  glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &madeWidth);
  return madeWidth != 0;
}

void freeTextures() {
  const int count = tileCount();
  if (count > 0 && kept.textures[0] != 0) glDeleteTextures(count, kept.textures);
  for (GLuint& texture : kept.textures) texture = 0;
  kept.tiling = {0, 0, 0, 0};
}

void allocateTextures() {
  glGenTextures(tileCount(), kept.textures);
  glPushAttrib(GL_TEXTURE_BIT);
  for (int tile = 0; tile < tileCount(); ++tile) {
    glBindTexture(GL_TEXTURE_2D, kept.textures[tile]);
    // Drawn back one texel per pixel: no filtering may mix neighbours.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    // Contents come from the first copy; only the storage is made here.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, kept.tiling.tileWidth, kept.tiling.tileHeight, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, nullptr);
  }
  glPopAttrib();
}

// Where a tile sits in the window and how much of its texture it uses, in pixels.
struct TileArea {
  int x, y, width, height;
};

TileArea tileArea(int tile) {
  const int column = tile % kept.tiling.columns;
  const int row = tile / kept.tiling.columns;
  TileArea area;
  area.x = column * kept.tiling.tileWidth;
  area.y = row * kept.tiling.tileHeight;
  area.width =
      kept.width - area.x < kept.tiling.tileWidth ? kept.width - area.x : kept.tiling.tileWidth;
  area.height =
      kept.height - area.y < kept.tiling.tileHeight ? kept.height - area.y : kept.tiling.tileHeight;
  return area;
}

}  // namespace

// The largest tiles the context can make, halving the side while it cannot.
bool prepareTextures(int width, int height) {
  if (kept.decided && kept.width == width && kept.height == height) return tileCount() > 0;
  freeTextures();
  kept.width = width;
  kept.height = height;
  kept.decided = 1;
  const bool anySize =
      hasAnySizeTextures(reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                         reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
  GLint maxSide = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
  if (textureSideLimit > 0 && textureSideLimit < maxSide) maxSide = textureSideLimit;
  for (; maxSide >= 64; maxSide /= 2) {
    const PictureTiling tiling = pictureTiling(width, height, anySize, maxSide);
    if (tiling.columns == 0) return false;  // smaller tiles would only be more of them
    if (textureFits(tiling.tileWidth, tiling.tileHeight)) {
      kept.tiling = tiling;
      allocateTextures();
      return true;
    }
  }
  return false;
}

void copyWindowToTextures() {
  glPushAttrib(GL_TEXTURE_BIT | GL_PIXEL_MODE_BIT);
  glReadBuffer(GL_BACK);
  for (int tile = 0; tile < tileCount(); ++tile) {
    const TileArea area = tileArea(tile);
    glBindTexture(GL_TEXTURE_2D, kept.textures[tile]);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, area.x, area.y, area.width, area.height);
  }
  glPopAttrib();
}

// Nothing between the texel and the pixel: no blending, tests, fog or lighting, filled
// polygons. This runs between frames, where input callbacks may draw next, so it saves the
// state it changes and puts exactly that back.
void drawTexturesToWindow() {
  glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT | GL_VIEWPORT_BIT | GL_DEPTH_BUFFER_BIT |
               GL_TEXTURE_BIT | GL_TRANSFORM_BIT);
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_STENCIL_TEST);
  glDisable(GL_SCISSOR_TEST);
  glDisable(GL_FOG);
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glDepthMask(GL_FALSE);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glViewport(0, 0, kept.width, kept.height);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, kept.width, 0, kept.height, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);

  for (int tile = 0; tile < tileCount(); ++tile) {
    const TileArea area = tileArea(tile);
    // Each pixel centre samples the texel that was copied from it.
    const float s = static_cast<float>(area.width) / kept.tiling.tileWidth;
    const float t = static_cast<float>(area.height) / kept.tiling.tileHeight;
    glBindTexture(GL_TEXTURE_2D, kept.textures[tile]);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2i(area.x, area.y);
    glTexCoord2f(s, 0);
    glVertex2i(area.x + area.width, area.y);
    glTexCoord2f(s, t);
    glVertex2i(area.x + area.width, area.y + area.height);
    glTexCoord2f(0, t);
    glVertex2i(area.x, area.y + area.height);
    glEnd();
  }

  glDisable(GL_TEXTURE_2D);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();  // the matrix mode too
}

int pictureTileCount() {
  return tileCount();
}

GLuint pictureTexture(int tile) {
  return tile >= 0 && tile < tileCount() ? kept.textures[tile] : 0;
}

void limitPictureTextureSide(int side) {
  textureSideLimit = side;
  kept.decided = 0;
}

void releaseTextures() {
  freeTextures();
  const int limit = textureSideLimit;
  kept = TexturedPicture();
  textureSideLimit = limit;
}
