#pragma once

// What the soak and the extreme-settings test check after every frame: the OpenGL errors the
// frame raised and the values of the camera, the track and the particles that are not finite.

// Starts counting every OpenGL error as it is raised (through the driver's debug output), so
// errors the program's own error line reads back inside a frame are counted too.
void watchGlErrors();

// Errors raised since the last call, including any still pending in glGetError.
long takeGlErrors();

// The camera, track, particle and parameter values that are not finite numbers.
long countNonFiniteValues();

// Resident memory of this process, in kilobytes.
long residentKilobytes();
