#pragma once

// Opens the program's own full-screen window for a benchmark and starts the program in it, as
// ./run does, without the toolkit running frames of its own: benchmarks run them at their
// chosen times.

#include <GL/freeglut.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "app/startup.h"
#include "window/window.h"

namespace benchwindow {

inline void displayNothing() {}

inline void startProgramFullScreen(int* argc, char** argv) {
  setenv("GYROTRAK_FPS", "0", 1);  // as fast as the machine draws: no pace
  openWindow(argc, argv, false, std::getenv("GYROTRAK_FPS"));
  glutDisplayFunc(displayNothing);
  glutIdleFunc(nullptr);
  for (int i = 0; i < 5000 && windowWidth != glutGet(GLUT_SCREEN_WIDTH); ++i) {
    glutMainLoopEvent();
    usleep(1000);
  }
  // The back buffer takes the window's size at the first swap.
  glutSwapBuffers();
  if (chdir(GYROTRAK_DATA_DIR) != 0) std::printf("data folder missing: no font\n");
  initialise();
}

}  // namespace benchwindow
