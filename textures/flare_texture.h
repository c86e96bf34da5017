#pragma once

#include <GL/gl.h>

// Redraws the flare image one step further (a bright core with twenty slowly turning rays) and
// uploads it into textureName, an existing 128 x 128 RGBA texture.
void animateFlareTexture(GLuint textureName);
