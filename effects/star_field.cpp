#include "effects/star_field.h"

#include <GL/gl.h>

#include <cmath>

#include "base/random.h"

StarField starField;

namespace {

bool insideShape(double x, double y, double z, float outerRadius, float innerRadius, int shape) {
  const double d = std::sqrt(x * x + y * y + z * z);
  return innerRadius <= d && d <= outerRadius && (shape != upperHalfShell || y >= 0);
}

// About one star in ten is tinted, each channel 0.24 to 0.64; the rest are pale, 0.4 to 0.64.
void drawStarColour(Star& star) {
  const bool tinted = random(1) < 0.1;
  const auto channel = [tinted] {
    return static_cast<float>(tinted ? (random(0.5) + 0.3) * 0.8 : (random(0.3) + 0.5) * 0.8);
  };
  star.blue = channel();
  star.green = channel();
  star.red = channel();
}

// Whether the shell between innerRadius and outerRadius has room for a star at all.
bool shellHasRoom(float outerRadius, float innerRadius) {
  return std::isfinite(outerRadius) && outerRadius > 0 && !std::isnan(innerRadius) &&
         innerRadius < outerRadius;
}

}  // namespace

bool placeStar(float outerRadius, float innerRadius, int shape, Star& star) {
  const double r = outerRadius;
  for (int attempt = 0; attempt < maxStarAttempts; ++attempt) {
    star.x = random(2 * r) - r;
    star.y = random(2 * r) - r;
    star.z = random(2 * r) - r;
    if (insideShape(star.x, star.y, star.z, outerRadius, innerRadius, shape)) {
      drawStarColour(star);
      return true;
    }
  }
  return false;
}

void StarField::build(int count, float outerRadius, float innerRadius, int shape) {
  // A name that holds no list (-1 included) is ignored.
  glDeleteLists(static_cast<GLuint>(listId), 1);
  listId = static_cast<int>(glGenLists(1));
  glNewList(static_cast<GLuint>(listId), GL_COMPILE);
  glBegin(GL_POINTS);
  Star star;
  // The attempts would never end without room for a star: then the list stays empty.
  const bool room = shellHasRoom(outerRadius, innerRadius);
  for (int i = 0; room && i < count && placeStar(outerRadius, innerRadius, shape, star); ++i) {
    glColor3f(star.red, star.green, star.blue);
    glVertex3d(star.x, star.y, star.z);
  }
  glEnd();
  glEndList();
}

void StarField::draw() {
  glColor3f(1, 1, 1);  // the list sets every star's colour itself
  glDepthMask(GL_FALSE);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glPushMatrix();
  glPointSize(1);
  glCallList(static_cast<GLuint>(listId));
  glRotatef(120, 0, 1, 0);
  glPointSize(2);
  glCallList(static_cast<GLuint>(listId));
  glPopMatrix();
  glDepthMask(GL_TRUE);
}

void StarField::release() {
  glDeleteLists(static_cast<GLuint>(listId), 1);
  listId = -1;
}
