#pragma once

#include <GL/gl.h>

// The globe's picture (texture-table entry 5). Written only by setUpSceneResources.
extern GLuint globeTexture;

// Once at start-up, after the font texture exists: the other textures, the particle settings,
// the star field.
void setUpSceneResources();

// Once on the way out: the star field's display list and every texture in the table.
void releaseSceneResources();
