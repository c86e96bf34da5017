#pragma once

// One picture: clock, blanking and clears, view, ride and scene, text layers, fades.
// Reads the clock only through elapsedMs, so a test can set it and run frames at chosen times.
void frame();
