#pragma once

// One unit is one pixel over the whole width x height window, letterbox bars included: the
// viewport covers the window, the projection is orthographic with (0, 0) at the bottom-left and
// the model-view is the identity, current. The projection is left like this: the next frame's
// projection set-up replaces it.
void useWholeWindowPixels(int width, int height);
