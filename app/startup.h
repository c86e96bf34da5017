#pragma once

// The window's size as last reported by the toolkit. Written only by reshape().
extern int windowWidth;
extern int windowHeight;

// Toolkit initialisation, the full-screen "Gyrotrak" window (or the host's window that
// findHostWindow found), its callbacks and the pop-up menu, and the frames' pace.
void openWindow(int* argc, char** argv);

// Clock, scene clock, first reset, fixed GL state, textures and scene resources, the first
// message and the hidden pointer. Always succeeds.
bool initialise();

// The toolkit's callbacks.
void idle();
void display();
void reshape(int width, int height);
