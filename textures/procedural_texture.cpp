#include "textures/procedural_texture.h"

#include <cmath>
#include <cstring>

#include "base/random.h"
#include "textures/texture_upload.h"

namespace {

const int centre = 64;  // the texel distances are measured from, not the geometric 63.5

float distanceBetween(int c, int r, int fromC, int fromR) {
  const float dx = static_cast<float>(c - fromC);
  const float dy = static_cast<float>(r - fromR);
  return std::sqrt(dx * dx + dy * dy);
}

void setTexel(unsigned char* image, int r, int c, unsigned char value) {
  std::memset(image + r * spriteSide * 4 + c * 4, value, 4);
}

// Stores v by dropping its fraction.
unsigned char truncateToByte(float v) {
  return static_cast<unsigned char>(static_cast<int>(v));
}

}  // namespace

void fillGlowImage(unsigned char* image) {
  for (int r = 0; r < spriteSide; ++r) {
    for (int c = 0; c < spriteSide; ++c) {
      float d = distanceBetween(c, r, centre, centre) / 64;
      if (d > 1) d = 1;
      setTexel(image, r, c, truncateToByte((1 - d * d) * 255));
    }
  }
}

namespace {

void fillPillowImage(unsigned char* image) {
  for (int r = 0; r < spriteSide; ++r) {
    for (int c = 0; c < spriteSide; ++c) {
      const float a = (64 - std::abs(c - centre)) / 64.0f;
      const float b = (64 - std::abs(r - centre)) / 64.0f;
      float p = a * b;
      if (p < 0) p = 0;
      if (p > 1) p = 1;
      setTexel(image, r, c, truncateToByte(p * 255));
    }
  }
}

}  // namespace

void fillCloudPuffImage(unsigned char* image) {
  std::memset(image, 0, spriteBytes);
  for (int puff = 0; puff < 80; ++puff) {
    const int cx = static_cast<int>(random(95) + 16);  // 16 .. 110
    const int cy = static_cast<int>(random(95) + 16);
    // A texel 32 or more from the centre gets nothing added: only the square around the
    // circle is visited.
    const int top = cy - 32 > 0 ? cy - 32 : 0,
              bottom = cy + 32 < spriteSide ? cy + 32 : spriteSide - 1;
    const int left = cx - 32 > 0 ? cx - 32 : 0,
              right = cx + 32 < spriteSide ? cx + 32 : spriteSide - 1;
    for (int r = top; r <= bottom; ++r) {
      for (int c = left; c <= right; ++c) {
        unsigned char* texel = image + r * spriteSide * 4 + c * 4;
        float s = distanceBetween(c, r, cx, cy) / 32;
        if (s > 1) s = 1;
        const float add = (1 - s) * 19;
        // Kept in 8 bits with no saturation: a byte past 255 wraps round.
        for (int i = 0; i < 4; ++i) {
          texel[i] = static_cast<unsigned char>(static_cast<int>(texel[i] + add) & 0xFF);
        }
      }
    }
  }
}

void fillProceduralImage(int pattern, unsigned char* image) {
  switch (pattern) {
    case glowPattern:
      fillGlowImage(image);
      break;
    case cloudPuffPattern:
      fillCloudPuffImage(image);
      break;
    case pillowPattern:
      fillPillowImage(image);
      break;
    default:
      std::memset(image, 0, spriteBytes);
      break;
  }
}

GLuint makeProceduralTexture(int pattern) {
  static_assert(spriteBytes == 65536, "a sprite is 128 x 128 RGBA texels");
  unsigned char image[spriteBytes];
  fillProceduralImage(pattern, image);
  return uploadRgbaTexture(image, spriteSide, false);
}
