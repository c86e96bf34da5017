#pragma once

// The monitors of the X screen, as XRandR lists them, and which one a point of the screen is on:
// full screen covers one, the window placed with no window manager goes on one, and the text
// scale follows the height of the one the window is on.

struct _XDisplay;  // Xlib's Display

// A rectangle of the X screen in pixels, (x, y) its top-left corner.
struct ScreenRectangle {
  int x, y, width, height;
};

// The most monitors looked at: they are listed into an array of this size.
constexpr int maxMonitors = 16;

// The first of the count monitors that holds the point (x, y), else the one nearest to it
// (monitors that do not tile the screen leave gaps); screen where there is no monitor of any
// size.
ScreenRectangle monitorAt(const ScreenRectangle* monitors, int count, int x, int y,
                          ScreenRectangle screen);

// Lists the server's active monitors (XRandR 1.5) and returns their count: 0 where it cannot
// list them. A few round trips.
int listMonitors(_XDisplay* display, ScreenRectangle (&list)[maxMonitors]);

// The whole screen of the display's default screen, from the connection: no round trip.
ScreenRectangle wholeScreen(_XDisplay* display);

// The monitor the pointer is on (the whole screen where the server lists none). A few round
// trips.
ScreenRectangle pointerMonitor(_XDisplay* display);
