#pragma once

// The window system can take the program's window away: a close that destroys the window, or
// a kill of the program's connection. Either ends the program through exitProgram with status
// 0 and without a word, instead of the X library's printed error and status 1 (a lost
// connection) or a program that keeps running, unseen, after its window has gone.

#include "window/window.h"

// watchForWindowLoss and windowLossNoticed are declared in window/window.h. Watching installs
// the X error handlers and a check four times a second (the window can go while the program
// draws nothing, once a fixed clock has run out).
//
// Mesa's software driver asks the server for its window's size at its first look after each
// swap, and takes the answer as it comes: for a window destroyed just then, an undefined size
// that it may crash on. No lock on the server can be taken for that moment without stalling
// every other client each frame. Instead the error that question raises notes the loss before
// the driver goes on, the window layer touches GL no more once it is noted, and a crash that
// still follows it (in the driver, on that size) ends the program as quietly as the loss would.

// Asks the server whether the watched window still exists (one round trip) and remembers a
// loss. True when no window is watched.
bool windowStillOpen();
