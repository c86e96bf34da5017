#pragma once

// Where the program's own window goes on the screen. Full screen covers one monitor. A window
// manager is asked for it, the toolkit's way (glutFullScreen, the _NET_WM_STATE_FULLSCREEN
// request), and places the window on a monitor of its choosing. With none (a kiosk, a bare X
// session, some remote desktops) the toolkit would only resize the window to the whole X
// screen, off by its position and across every monitor; enterFullScreen (window/window.h) then
// places the window itself, on the monitor the pointer is on. The same way, with no manager
// placeOwnWindow puts a window whose place no -geometry gives wholly on the pointer's monitor,
// where the toolkit would leave it at (-1, -1), its top row and left column off the screen.

#include "window/monitors.h"

// Whether a window manager that follows the desktop conventions runs. A few round trips.
bool windowManagerRuns(_XDisplay* display);

// A width x height window centred on the monitor; where it is larger than the monitor, its
// top-left corner at the monitor's, so its title and top-left corner are on the screen.
ScreenRectangle windowCentredOn(ScreenRectangle monitor, int width, int height);
