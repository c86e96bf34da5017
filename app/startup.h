#pragma once

// Toolkit initialisation, the "Gyrotrak" window (full screen, or a window when inWindow is set,
// 512 x 512 or the size the toolkit's -geometry value geometry gives, or the host's window that
// findHostWindow found), its callbacks and the pop-up menu, and the frames' pace:
// pace frames a second, 0 for none, null for the display's rate.
void openWindow(int* argc, char** argv, bool inWindow, const char* pace,
                const char* geometry = nullptr);

// Clock, text scale, scene clock, first reset, fixed GL state, textures and scene resources, the
// first message and the hidden pointer. Always succeeds.
bool initialise();

// The toolkit's callbacks.
void idle();
void display();
void reshape(int width, int height);
