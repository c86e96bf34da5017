#pragma once

// Polygon mode, letterbox viewport, perspective projection, the fixed eye and the fog range.
// Leaves the matrix mode at GL_MODELVIEW with the eye transform loaded.
void setUpProjection();

// Advances the ride unless paused, poses the camera (ride or pointer) and multiplies the
// camera transform onto the model-view matrix.
void applyView();
