#include "textures/texture_table.h"

GLuint textureTable[textureTableCapacity];
int textureCount = 0;

GLuint appendTexture(GLuint name) {
  if (textureCount < textureTableCapacity) textureTable[textureCount++] = name;
  return name;
}
