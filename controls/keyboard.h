#pragma once

#include "controls/command_message.h"

class Camera;
class Parameters;

// 1 while the window is full screen, 0 while it is the 512 x 512 window. Written by start-up
// (0 with -window) and the "f" key.
extern int fullScreen;

// 1 while the ride does not advance. Written by the pause key and the reset.
extern int paused;

// The letterbox key's counter, -5..6: the size runs up to 6 and back down with the sign
// showing the direction. Written only by the "l" key; reset leaves it.
extern int letterboxStep;

// The character-key callback: withdraws a one-shot clear no frame has made yet, carries out the
// key's command, and hands the key on to the debug readout.
void keyboardCallback(unsigned char key, int x, int y);

// The commands that change only the settings: the speed, size, distance, field-of-view and
// tesselation steps and the toggles of the block and of pauseFlag. Returns the confirmation to
// post; any other key changes nothing and returns noMessage().
CommandMessage adjustForKey(unsigned char key, Parameters& parameters, Camera& viewer,
                            int& pauseFlag);

// The counter after one letterbox press: first brought back in line with the size a reset may
// have put back to 0, then one step along 1 ... 6, 5 ... 0, 1 ... (6 becomes -5).
int nextLetterboxStep(int step, int letterbox);

// The user's reset, by key or menu: reset() with a new point in the scene clock's cycles, and a
// full clear in the next frame.
void resetByCommand();

// Starts the 2-second exit fade; a second request while fading ends the program at the next
// frame. Either way the help page goes.
void requestExit();
