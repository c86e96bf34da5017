#include "ride/scene.h"

void drawScene() {}
