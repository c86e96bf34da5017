#pragma once

// The window system can take the program's window away: a close that destroys the window, or
// a kill of the program's connection. Either ends the program through exitProgram with status
// 0 and without a word, instead of the X library's printed error and status 1 (a lost
// connection) or a program that keeps running, unseen, after its window has gone.

#include "window/window.h"

// watchForWindowLoss and windowLossNoticed are declared in window/window.h. Watching installs
// the X error handlers and a check four times a second (the window can go while the program
// draws nothing, once a fixed clock has run out).

// Asks the server whether the watched window still exists (one round trip) and remembers a
// loss. True when no window is watched.
bool windowStillOpen();

// The software driver looks at its window again at the first read or drawing after each swap,
// and crashes if the window has gone by then. holdWindow stops the server from serving any
// other client, so that nobody can take the window away, and says whether it still exists;
// the driver's look belongs between it and releaseWindow, which must follow every hold.
// Without a watched window it holds nothing and says true.
bool holdWindow();
void releaseWindow();
