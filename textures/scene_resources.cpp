#include "textures/scene_resources.h"

#include "ride/track.h"
#include "text/text_overlay.h"
#include "textures/bmp_texture.h"
#include "textures/procedural_texture.h"
#include "textures/texture_table.h"

GLuint globeTexture = 0;

void setUpSceneResources() {
  // Entries 1 to 4, after the font at entry 0. Entry 1 is the smoke's sprite and entry 4 the
  // motes'; the particle systems take them from the table.
  appendTexture(makeProceduralTexture(cloudPuffPattern));
  appendTexture(makeProceduralTexture(glowPattern));                  // flareTextureEntry
  track.texture = appendTexture(makeProceduralTexture(glowPattern));  // trackTextureEntry
  appendTexture(makeProceduralTexture(pillowPattern));

  // Entry 5; opaque and mipmapped, since the globe is seen from near and far.
  globeTexture = appendTexture(loadBmpTexture("earthCloudsBW_256.bmp", 256, 255, 0, true));

  // The particle systems' settings and the star field are set up here once they exist.

  textOverlay.alphaTestOn = 1;
  textOverlay.blendOn = 1;
}

void releaseSceneResources() {
  // The star field's display list goes first here once it exists.
  if (textureCount != 0) glDeleteTextures(textureCount, textureTable);
}
