#pragma once

#include <GL/gl.h>

// Pieces of the message line and the status lines that need no GL context.

// Copies at most the first 79 characters of text and a terminating zero into line. text may
// point into line itself (the message line redrawing its own text).
void copyMessageText(char (&line)[80], const char* text);

// "OpenGL Error: " and the description of error (what gluErrorString gives for it), cut to 59
// characters, or the error's number when there is no description.
void formatGlErrorLine(char (&line)[80], GLenum error, const GLubyte* description);

// The elapsedTime at which a message shown from now on disappears: 3 seconds later, on the
// frame clock's own float scale so that the clock can reach it exactly.
double messageExpiryFrom(float now);
