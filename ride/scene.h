#pragma once

// One frame of the 3-D scene in its fixed order: the flare, fog, the circling light, the track
// and the globe. Expects the camera's view in the model-view matrix.
void drawScene();
