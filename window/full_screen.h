#pragma once

// Full screen covers one monitor. A window manager is asked for it, the toolkit's way
// (glutFullScreen, the _NET_WM_STATE_FULLSCREEN request), and places the window on a monitor
// of its choosing. With none (a kiosk, a bare X session, some remote desktops) the toolkit
// would only resize the window to the whole X screen, off by its position and across every
// monitor; enterFullScreen (window/window.h) then places the window itself, on the monitor
// the pointer is on.

// A rectangle of the X screen in pixels, (x, y) its top-left corner.
struct ScreenRectangle {
  int x, y, width, height;
};

// The most monitors looked at: full screen is entered on a key, after start-up, where the
// program allocates nothing, so they are listed into an array of this size.
constexpr int maxMonitors = 16;

// The rectangle a full-screen window covers: the first of the count monitors that holds the
// point (x, y), else the one nearest to it (monitors that do not tile the screen leave gaps);
// screen where there is no monitor of any size.
ScreenRectangle monitorAt(const ScreenRectangle* monitors, int count, int x, int y,
                          ScreenRectangle screen);
