#include "ride/light.h"

#include <GL/gl.h>

void setUpLight(int light, float x, float y, float z, float ambient, float diffuse, float specular,
                float materialSpecular, float brightness) {
  const GLfloat ambientColour[4] = {ambient * brightness, ambient * brightness,
                                    ambient * brightness, 1};
  const GLfloat diffuseColour[4] = {diffuse * brightness, diffuse * brightness,
                                    diffuse * brightness, 1};
  const GLfloat specularColour[4] = {specular * brightness, specular * brightness,
                                     specular * brightness, 1};
  const GLfloat materialColour[4] = {materialSpecular * brightness, materialSpecular * brightness,
                                     materialSpecular * brightness, 1};
  const GLfloat position[4] = {0, 0, 0, 1};
  const GLfloat spotDirection[3] = {0, 0, 0};
  const GLenum name = GL_LIGHT0 + light;

  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambientColour);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, materialColour);
  glLightfv(name, GL_AMBIENT, ambientColour);
  glLightfv(name, GL_DIFFUSE, diffuseColour);
  glLightfv(name, GL_SPECULAR, specularColour);
  glLightf(name, GL_SPOT_EXPONENT, 1);
  glLightf(name, GL_SPOT_CUTOFF, 180);

  // Placed with an identity model-view: the position is taken in eye coordinates.
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(x, y, z);
  glLightfv(name, GL_POSITION, position);
  glLightfv(name, GL_SPOT_DIRECTION, spotDirection);
  glPopMatrix();

  glEnable(name);
}
