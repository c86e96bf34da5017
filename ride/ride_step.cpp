#include "ride/ride_step.h"

#include "text/text_overlay.h"

float trackStartTime = 0;
float flareTimer = 0;

void rideStep() {
  textOverlay.setDefaults();
}
