#include "textures/flare_texture.h"

#include "textures/flare_image.h"

namespace {
// Lives for the whole run, zero at start. Written only by animateFlareTexture.
FlareState flare;
}  // namespace

void animateFlareTexture(GLuint textureName) {
  stepFlareImage(flare);
  glBindTexture(GL_TEXTURE_2D, textureName);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, flareSide, flareSide, GL_RGBA, GL_UNSIGNED_BYTE,
                  flare.image);
}
