#pragma once

#include <GL/gl.h>

// Texture-table entries of the textures the scene draws with.
constexpr int smokeTextureEntry = 1;  // the cloud puffs of the smoke
constexpr int flareTextureEntry = 2;  // the glow the flare animation redraws
constexpr int trackTextureEntry = 3;  // the glow of the ground glows and the track ribbon
constexpr int moteTextureEntry = 4;   // the pillow of the motes

// The globe's picture (texture-table entry 5). Written only by setUpSceneResources.
extern GLuint globeTexture;

// Once at start-up, after the font texture exists: the other textures, the particle settings,
// the star field.
void setUpSceneResources();

// Once on the way out: the star field's display list and every texture in the table.
void releaseSceneResources();
