#pragma once

// One vertex of the textured sphere: its unit normal, texture coordinate and position.
struct SphereVertex {
  double nx, ny, nz;
  double s, t;
  double x, y, z;
};

// The vertex of band `band` (0 to stacks - 2) at strip column `column` (slices - 1 down to -1)
// on the band's lower ring (phi1) or upper ring (phi0). Column -1 repeats column slices - 1
// in position with s one step below 0, which closes the texture without a seam.
SphereVertex sphereVertex(double radius, int slices, int stacks, double sScale, double tScale,
                          double sOffset, double tOffset, int band, int column, bool lowerRing);

// A textured, lit sphere at the origin with its poles on the y axis: stacks - 1 triangle
// strips of 2 * (slices + 1) vertices, outside facing front.
void drawSphere(double radius, int slices, int stacks, double sScale, double tScale, double sOffset,
                double tOffset);
