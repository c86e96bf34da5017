#include "ride/billboard.h"

#include "base/parameters.h"
#include "ride/camera.h"

void drawBillboard(GLuint texture, float x, float y, float z, float halfSize) {
  glAlphaFunc(GL_GREATER, 0.05f);
  glEnable(GL_ALPHA_TEST);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glEnable(GL_BLEND);
  glDepthMask(GL_FALSE);
  glEnable(GL_DEPTH_TEST);
  if (params.texturesOn) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
  }

  // Undoing the view's rotations turns the square's plane towards the eye.
  glPushMatrix();
  glTranslatef(x, y, z);
  glRotatef(-camera.heading, 0, 1, 0);
  glRotatef(-camera.pitch, 1, 0, 0);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex3f(-halfSize, -halfSize, 0);
  glTexCoord2f(1, 0);
  glVertex3f(halfSize, -halfSize, 0);
  glTexCoord2f(1, 1);
  glVertex3f(halfSize, halfSize, 0);
  glTexCoord2f(0, 1);
  glVertex3f(-halfSize, halfSize, 0);
  glEnd();
  glPopMatrix();

  glDisable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0);
  glDisable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_TRUE);
  if (params.texturesOn) glDisable(GL_TEXTURE_2D);
}
