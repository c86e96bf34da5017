#pragma once

// A point or direction in world units, single precision like every stored coordinate.
struct Vector3 {
  float x, y, z;
};
