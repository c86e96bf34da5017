#pragma once

// SIGTERM, SIGINT and SIGHUP (a screen-saver host ending the program, a terminal's Ctrl-C or
// hang-up) end the program through exitProgram with status 0, silently, within a tenth of a
// second, also while it rests with nothing to draw.
void endOnTerminationSignals();
