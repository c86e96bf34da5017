#include "frame/clock_epoch.h"

#include <initializer_list>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "effects/particle_effects.h"
#include "effects/particle_system.h"
#include "frame/ride_step.h"
#include "text/text_overlay.h"

namespace {

// The same moment on a clock whose epoch is `seconds` later. Exact for the times of the last
// 1024 s, which share the clock's binary exponent range.
float earlier(float time, double seconds) {
  return static_cast<float>(time - seconds);
}

}  // namespace

void moveClockEpochWhenDue() {
  const long long epoch = clockEpochFor(runningMs);
  if (epoch == clockEpochMs) return;
  const double seconds = (epoch - clockEpochMs) * 0.001;
  clockEpochMs = epoch;
  elapsedTime = static_cast<float>((runningMs - clockEpochMs) * 0.001);

  nextSecondTime -= seconds;
  // 0 marks "not exiting", "no track yet" and "no message": those stay as they are.
  if (exiting) exitStartTime = earlier(exitStartTime, seconds);
  if (trackStartTime != 0) trackStartTime = earlier(trackStartTime, seconds);
  if (textOverlay.messageExpiry != 0) textOverlay.messageExpiry -= seconds;
  for (ParticleSystem* system : {&fountain, &groundGlows, &smoke, &motes})
    system->shiftTimes(seconds);
  ParticleSystem::lastUpdateTime = earlier(ParticleSystem::lastUpdateTime, seconds);
}
