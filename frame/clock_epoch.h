#pragma once

// Moves the frame clock's epoch on when it is due (see clockEpochFor) and every time kept
// against elapsedTime with it: the frame-rate count's due time, the exit fade's start, the
// track's start, the message line's expiry and the particle systems' emission, birth, death
// and update times. Intervals between them stay as they were, so nothing the user sees
// changes. Run by the frame right after the frame clock has advanced.
void moveClockEpochWhenDue();
