#include "frame/projection.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <climits>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "controls/keyboard.h"
#include "controls/pointer.h"
#include "ride/camera.h"
#include "ride/track.h"
#include "window/window.h"

namespace {

// The letterbox edges are 16-bit values; a window 32,768 pixels or taller would not fit, and
// converting such a value is undefined, so it is held at the largest one first.
short toShort(double value) {
  if (value > SHRT_MAX) return SHRT_MAX;
  if (value < SHRT_MIN) return SHRT_MIN;
  return static_cast<short>(value);
}

}  // namespace

Viewport letterboxViewport(int width, int height, int letterbox) {
  const short bottom = toShort(letterbox * 0.05 * height);
  const short top = toShort((1 - letterbox * 0.05) * height);
  return {0, bottom, width, top - bottom};
}

float letterboxFieldOfView(float fieldOfView, int letterbox) {
  // At 0 degrees gluPerspective leaves the identity, and below it the picture turns upside
  // down; the "." key stops the field of view at 1 degree, and so does the letterbox.
  const float narrowed = fieldOfView - letterbox / 6.0f * 29;
  return narrowed > 1 ? narrowed : 1;
}

float viewportAspect(const Viewport& viewport) {
  // A window or letterbox without area has no aspect ratio; 1 keeps the projection finite.
  if (viewport.width <= 0 || viewport.height <= 0) return 1;
  return static_cast<float>(viewport.width) / viewport.height;
}

// Distance of the near clipping plane from the eye.
const double nearPlane = 0.0001;

double farPlane(float cameraZ) {
  const float plane = cameraZ + 14;
  // With the eye moved 14 or more units ahead of the camera (cameraZ at -14 or below) the far
  // plane would fall at or before the near one; a thin range keeps the projection valid.
  return plane > nearPlane ? plane : 2 * nearPlane;
}

namespace {

void applyPolygonMode(int mode) {
  if (mode == 0) glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  if (mode == 1) glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  if (mode == 2) glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
}

// Fog starts at the camera's own distance in front of the eye and is complete fogDistance
// further on.
void setFogRange() {
  const float end = params.cameraZ + params.fogDistance;
  glFogf(GL_FOG_START, params.cameraZ);
  glFogf(GL_FOG_END, end < params.cameraZ ? params.cameraZ : end);
}

// The pointer's offset from the warp point turns the view a tenth of a degree per pixel,
// once per frame.
void steerManualCamera() {
  if (pointerMoved) {
    pointerMoved = 0;
    glutWarpPointer(450, 350);
  }
  camera.pitch += pointerDY * 0.1f;
  camera.heading += pointerDX * 0.1f;
}

}  // namespace

void setUpProjection() {
  applyPolygonMode(params.polygonMode);

  const Viewport viewport = letterboxViewport(windowWidth, windowHeight, params.letterbox);
  glViewport(viewport.x, viewport.y, viewport.width, viewport.height);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(letterboxFieldOfView(camera.fieldOfView, params.letterbox),
                 viewportAspect(viewport), nearPlane, farPlane(params.cameraZ));

  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(0, 0, params.cameraZ, 0, 0, params.cameraZ - 1, 0, 1, 0);

  if (params.fogOn) setFogRange();
}

void applyView() {
  if (!paused) track.advance(frameDelta, params);

  if (params.cameraMode == 0) track.placeCamera(camera);
  if (params.cameraMode == 1) steerManualCamera();

  glRotatef(camera.pitch, 1, 0, 0);
  glRotatef(camera.heading, 0, 1, 0);
  glTranslatef(-camera.position.x, -camera.position.y, -camera.position.z);
}
