#pragma once

#include "ride/vector3.h"

class Parameters;

// The viewer's pose; the view transform turns it into the model-view matrix.
class Camera {
 public:
  virtual ~Camera() {}

  float fieldOfView;  // vertical, degrees
  float pitch;        // degrees, the view's first rotation, about x
  float heading;      // degrees, the view's second rotation, about y
  float roll;         // degrees about z; 0 after reset and changed by nothing
  Vector3 position;   // eye point in the world
};

// Written by reset(), the ride's camera placement, the manual camera and the field-of-view keys.
extern Camera camera;

// At the world origin, level, facing -z, with the parameter block's field of view.
void resetCamera(Camera& c, const Parameters& parameters);
