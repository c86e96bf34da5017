#include "frame/scene_resources.h"

#include "effects/particle_effects.h"
#include "effects/star_field.h"
#include "ride/track.h"
#include "text/text_overlay.h"
#include "textures/bmp_texture.h"
#include "textures/procedural_texture.h"
#include "textures/texture_table.h"

GLuint globeTexture = 0;

void setUpSceneResources() {
  // Entries 1 to 4, after the font at entry 0. The particle systems take theirs from the table.
  appendTexture(makeProceduralTexture(cloudPuffPattern));             // smokeTextureEntry
  appendTexture(makeProceduralTexture(glowPattern));                  // flareTextureEntry
  track.texture = appendTexture(makeProceduralTexture(glowPattern));  // trackTextureEntry
  appendTexture(makeProceduralTexture(pillowPattern));                // moteTextureEntry

  // Entry 5; opaque and mipmapped, since the globe is seen from near and far.
  globeTexture = appendTexture(loadDataTexture("earthCloudsBW_256.bmp", 256, 255, 0, true));

  setUpParticleEffects();
  starField.build(500, 1.5f, 0, upperHalfShell);

  textOverlay.alphaTestOn = 1;
  textOverlay.blendOn = 1;
}

void releaseSceneResources() {
  starField.release();
  if (textureCount != 0) glDeleteTextures(textureCount, textureTable);
}
