#include "ride/sphere.h"

#include <GL/gl.h>

#include <cmath>
#include <initializer_list>

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

void emitSphere(double radius, int slices, int stacks, double sScale, double tScale, double sOffset,
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

// The vertices of the last sphere drawn, in the floats the renderer rounds them to, kept while
// its arguments stay the same: the globe's trigonometry is then done once, not every frame.
// They are still given vertex by vertex: drawn from vertex arrays, llvmpipe shades the same
// strips a level or two differently on a few pixels from one run to the next.
constexpr int maxSide = 40;  // the largest tesselation the controls allow
constexpr int maxVertices = (maxSide - 1) * 2 * (maxSide + 1);

struct SphereStrips {
  double radius = 0, sScale = 0, tScale = 0, sOffset = 0, tOffset = 0;
  int slices = 0, stacks = 0;
  GLfloat normals[maxVertices][3];
  GLfloat texCoords[maxVertices][2];
  GLfloat positions[maxVertices][3];
  GLint firsts[maxSide];
  GLsizei counts[maxSide];
};
SphereStrips strips;

bool holds(double radius, int slices, int stacks, double sScale, double tScale, double sOffset,
           double tOffset) {
  return strips.slices == slices && strips.stacks == stacks && strips.radius == radius &&
         strips.sScale == sScale && strips.tScale == tScale && strips.sOffset == sOffset &&
         strips.tOffset == tOffset;
}

void fillStrips(double radius, int slices, int stacks, double sScale, double tScale, double sOffset,
                double tOffset) {
  strips.radius = radius;
  strips.slices = slices;
  strips.stacks = stacks;
  strips.sScale = sScale;
  strips.tScale = tScale;
  strips.sOffset = sOffset;
  strips.tOffset = tOffset;
  int at = 0;
  for (int band = 0; band <= stacks - 2; band++) {
    strips.firsts[band] = at;
    for (int column = slices - 1; column >= -1; column--) {
      for (const bool lowerRing : {true, false}) {
        const SphereVertex v = sphereVertex(radius, slices, stacks, sScale, tScale, sOffset,
                                            tOffset, band, column, lowerRing);
        strips.normals[at][0] = static_cast<GLfloat>(v.nx);
        strips.normals[at][1] = static_cast<GLfloat>(v.ny);
        strips.normals[at][2] = static_cast<GLfloat>(v.nz);
        strips.texCoords[at][0] = static_cast<GLfloat>(v.s);
        strips.texCoords[at][1] = static_cast<GLfloat>(v.t);
        strips.positions[at][0] = static_cast<GLfloat>(v.x);
        strips.positions[at][1] = static_cast<GLfloat>(v.y);
        strips.positions[at][2] = static_cast<GLfloat>(v.z);
        ++at;
      }
    }
    strips.counts[band] = at - strips.firsts[band];
  }
}

}  // namespace

void drawSphere(double radius, int slices, int stacks, double sScale, double tScale, double sOffset,
                double tOffset) {
  if (slices < 1 || stacks < 2 || slices > maxSide || stacks > maxSide) {
    emitSphere(radius, slices, stacks, sScale, tScale, sOffset, tOffset);
    return;
  }
  if (!holds(radius, slices, stacks, sScale, tScale, sOffset, tOffset))
    fillStrips(radius, slices, stacks, sScale, tScale, sOffset, tOffset);

  for (int band = 0; band <= stacks - 2; band++) {
    glBegin(GL_TRIANGLE_STRIP);
    for (int i = strips.firsts[band]; i < strips.firsts[band] + strips.counts[band]; ++i) {
      glNormal3fv(strips.normals[i]);
      glTexCoord2fv(strips.texCoords[i]);
      glVertex3fv(strips.positions[i]);
    }
    glEnd();
  }
}
