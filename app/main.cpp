#include <GL/glut.h>

#include <cstdio>

#include "app/program_exit.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  openWindow(&argc, argv);
  if (!initialise()) {
    std::printf("App cannot initialize.\n");
    exitProgram(0);
  }
  glutMainLoop();
  return 0;
}
