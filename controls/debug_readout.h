#pragma once

// Three counters stepped by the "n", "b" and "B" keys and shown on the message line; nothing
// else reads them. Written by debugKey and resetDebugCounters.
extern int nCounter;     // 0..8
extern int bCounter;     // 0..8
extern int bigBCounter;  // 0..7

// The counters' starting values, given by every reset: n 0, b 2, B 1.
void resetDebugCounters();

// The second stage of the keyboard: the digits pick the image selection, "n", "b" and "B" step
// their counters; every other key is ignored.
void debugKey(unsigned char key);
