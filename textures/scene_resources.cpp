#include "textures/scene_resources.h"

void setUpSceneResources() {}

void releaseSceneResources() {}
