#include "app/projection.h"

void setUpProjection() {}

void applyView() {}
