#pragma once

// The pointer's offset from (450, 350) as of the last report, in window pixels (y grows down),
// and whether a report came since the view last warped the pointer back.
// Written by the pointer callbacks; pointerMoved is cleared by the manual camera.
extern int pointerDX;
extern int pointerDY;
extern int pointerMoved;
