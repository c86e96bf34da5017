// A stand-in for a screen-saver host: makes a window, prints its ID and then obeys lines on
// standard input: "resize W H", "unmap", "map", "destroy". Ends at the end of its input.

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  int width = 320, height = 240;
  if (argc == 3) width = std::atoi(argv[1]), height = std::atoi(argv[2]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  const Window window =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, width, height, 0, 0, 0);
  XSetWindowAttributes attributes;
  attributes.override_redirect = True;  // no window manager moves or frames it
  XChangeWindowAttributes(display, window, CWOverrideRedirect, &attributes);
  XMapWindow(display, window);
  XSync(display, False);
  std::printf("0x%lx\n", window);
  std::fflush(stdout);
  for (std::string line; std::getline(std::cin, line);) {
    if (std::sscanf(line.c_str(), "resize %d %d", &width, &height) == 2)
      XResizeWindow(display, window, width, height);
    if (line == "unmap") XUnmapWindow(display, window);
    if (line == "map") XMapWindow(display, window);
    if (line == "destroy") XDestroyWindow(display, window);
    XSync(display, False);
  }
  XCloseDisplay(display);
  return 0;
}
