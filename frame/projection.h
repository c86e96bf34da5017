#pragma once

// The part of the window the 3-D scene is drawn into, in window pixels from the bottom-left.
struct Viewport {
  int x, y, width, height;
};

// The middle of a width x height window that a letterbox of 0..6 leaves: each step hides 5 % of
// the height at the bottom and 5 % at the top.
Viewport letterboxViewport(int width, int height, int letterbox);

// The vertical field of view narrowed by the letterbox, up to 29 degrees at 6, but never below
// 1 degree.
float letterboxFieldOfView(float fieldOfView, int letterbox);

// Width over height; 1 for a viewport without area, so no division by zero reaches the
// projection.
float viewportAspect(const Viewport& viewport);

// The far clipping plane: cameraZ + 14, but never at or before the near plane (0.0001), however
// far the "{" key has moved the eye.
double farPlane(float cameraZ);

// Polygon mode, letterbox viewport, perspective projection, the fixed eye and the fog range.
// Leaves the matrix mode at GL_MODELVIEW with the eye transform loaded.
void setUpProjection();

// Advances the ride unless paused, poses the camera (ride or pointer) and multiplies the
// camera transform onto the model-view matrix.
void applyView();
