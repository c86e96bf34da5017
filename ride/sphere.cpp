#include "ride/sphere.h"

#include <GL/gl.h>

#include <cmath>

#include "ride/angles.h"

SphereVertex sphereVertex(double radius, int slices, int stacks, double sScale, double tScale,
                          double sOffset, double tOffset, int band, int column, bool lowerRing) {
  const double dTheta = static_cast<double>(2 * pi) / slices;
  const double dPhi = static_cast<double>(pi) / (stacks - 1);
  const int ring = lowerRing ? band + 1 : band;
  const int k = column == -1 ? slices - 1 : column;
  const double theta = k * dTheta;
  const double phi = ring * dPhi;

  SphereVertex v;
  v.nx = std::sin(theta) * std::sin(phi);
  v.ny = std::cos(phi);
  v.nz = std::cos(theta) * std::sin(phi);
  // s follows the column, not the repeated angle; t is divided by stacks, not stacks - 1.
  v.s = column * sScale / slices + sOffset;
  v.t = ring * tScale / stacks + tOffset;
  v.x = radius * v.nx;
  v.y = radius * v.ny;
  v.z = radius * v.nz;
  return v;
}

namespace {

void emitVertex(const SphereVertex& v) {
  glNormal3d(v.nx, v.ny, v.nz);
  glTexCoord2d(v.s, v.t);
  glVertex3d(v.x, v.y, v.z);
}

}  // namespace

void drawSphere(double radius, int slices, int stacks, double sScale, double tScale, double sOffset,
                double tOffset) {
  for (int band = 0; band <= stacks - 2; band++) {
    glBegin(GL_TRIANGLE_STRIP);
    for (int column = slices - 1; column >= -1; column--) {
      emitVertex(sphereVertex(radius, slices, stacks, sScale, tScale, sOffset, tOffset, band,
                              column, true));
      emitVertex(sphereVertex(radius, slices, stacks, sScale, tScale, sOffset, tOffset, band,
                              column, false));
    }
    glEnd();
  }
}
