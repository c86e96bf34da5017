// Prints the OpenGL renderer and version that a window on the current display gets.
#include <GL/glut.h>

#include <cstdio>

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow("renderer");
  std::printf("%s, OpenGL %s\n", glGetString(GL_RENDERER), glGetString(GL_VERSION));
  return 0;
}
