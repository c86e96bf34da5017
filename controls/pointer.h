#pragma once

// The pointer's offset from (450, 350) as of the last report, in window pixels (y grows down),
// and whether a report came since the view last warped the pointer back.
// Written by the pointer callbacks; pointerMoved is cleared by the manual camera.
extern int pointerDX;
extern int pointerDY;
extern int pointerMoved;

// Motion with and without a button held: every report counts.
void pointerMotionCallback(int x, int y);

// The left button's presses and releases count as pointer reports; other buttons are ignored
// (the right one opens the menu before reaching here).
void mouseButtonCallback(int button, int state, int x, int y);
