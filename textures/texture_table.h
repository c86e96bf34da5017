#pragma once

#include <GL/gl.h>

// Every texture name the program creates, in creation order, so that all can be released
// together at exit. A failed image load is recorded as 0.
constexpr int textureTableCapacity = 20;

// Written only by appendTexture.
extern GLuint textureTable[textureTableCapacity];
extern int textureCount;

// Records a new texture name (0 included) and returns it.
GLuint appendTexture(GLuint name);
