#pragma once

// Drawing in a window another program gives: findHostWindow, windowIsHosted, enterHostWindow
// and followVisibility are declared in window/window.h.
//
// The toolkit's own window is made a child of the host's window, filling it, so the rest of
// the program draws, swaps and keeps its picture as in a window of its own. A connection of its
// own watches the host's window: its size, whether it is mapped, and whether it still exists.

#include "window/window.h"
