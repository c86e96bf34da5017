#pragma once

#include "ride/vector3.h"

// Where the flare and the light circle at scene-clock time `clock`: (cos, 0.8, sin) of
// 0.2 * clock radians, one circuit every 10 pi seconds.
Vector3 orbitPoint(double clock);

// One frame of the 3-D scene in its fixed order: the still particles' seeding, the flare, fog,
// the motes and ground glows, the circling light, the track, the globe, then the fountain and
// the smoke. Expects the camera's view in the model-view matrix.
void drawScene();
