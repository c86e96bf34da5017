#include "controls/pointer.h"

int pointerDX = 0;
int pointerDY = 0;
int pointerMoved = 0;
