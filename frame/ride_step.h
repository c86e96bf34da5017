#pragma once

// Seconds (elapsedTime) of the frame on which the ride step last changed the track.
// Written by rideStep, and moved with the clock's epoch (frame/clock_epoch.h).
extern float trackStartTime;

// Frame time gathered towards the next flare animation tick. Written only by rideStep.
extern float flareTimer;

// The ride's timed events and the whole 3-D picture, once per frame after the view transform.
void rideStep();
