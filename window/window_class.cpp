#include <GL/glx.h>
#include <X11/Xutil.h>

#include "window/window.h"

void nameWindowClass() {
  Display* display = glXGetCurrentDisplay();
  const Window window = glXGetCurrentDrawable();
  if (display == nullptr || window == 0) return;
  char name[] = "gyrotrak";
  char className[] = "Gyrotrak";
  XClassHint hint = {name, className};
  XSetClassHint(display, window, &hint);
}
