#pragma once

#include "controls/command_message.h"

class Parameters;

// The arrow keys held down, one bit each (left 1, up 2, right 4, down 8). Written by the
// special-key callbacks; nothing steers by it.
extern int heldArrows;

// Function and paging keys adjust the speed, fog and blanking settings; arrows are recorded.
void specialKeyCallback(int key, int x, int y);

// Clears a released arrow's bit.
void specialKeyUpCallback(int key, int x, int y);

// A function or paging key's change to the settings and its confirmation; other keys change
// nothing and return noMessage(). The fog distance stays within 0.0001..14 and the blanking
// intensity within 0..1, reaching 1 switching full blanking on and anything below switching it
// off.
CommandMessage adjustForSpecialKey(int key, Parameters& parameters);
