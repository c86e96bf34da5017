#include "textures/scene_resources.h"

GLuint globeTexture = 0;

void setUpSceneResources() {}

void releaseSceneResources() {}
