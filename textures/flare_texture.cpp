#include "textures/flare_texture.h"

void animateFlareTexture(GLuint) {}
