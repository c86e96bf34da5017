#include "ride/camera.h"

#include "base/parameters.h"

Camera camera;

void resetCamera(Camera& c, const Parameters& parameters) {
  c.position = {0, 0, 0};
  c.fieldOfView = static_cast<float>(parameters.fovDegrees);
  c.pitch = 0;
  c.heading = 0;
  c.roll = 0;
}
