#pragma once

#include <GL/gl.h>

// Every texture name the program creates, in creation order, so that all can be released
// together at exit. A failed image load is recorded as 0.
constexpr int textureTableCapacity = 20;

// Written only by appendTexture.
extern GLuint textureTable[textureTableCapacity];
extern int textureCount;

// Texture-table entries of the textures the scene draws with.
constexpr int smokeTextureEntry = 1;  // the cloud puffs of the smoke
constexpr int flareTextureEntry = 2;  // the glow the flare animation redraws
constexpr int trackTextureEntry = 3;  // the glow of the ground glows and the track ribbon
constexpr int moteTextureEntry = 4;   // the pillow of the motes

// Records a new texture name (0 included) and returns it.
GLuint appendTexture(GLuint name);
