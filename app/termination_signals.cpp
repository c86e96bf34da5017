#include "app/termination_signals.h"

#include <GL/glut.h>

#include <csignal>
#include <initializer_list>

#include "base/program_exit.h"

namespace {

// Written only by the signal handler: the handler may do no more than note the signal.
volatile std::sig_atomic_t signalled = 0;

const int checkIntervalMs = 100;

void noteSignal(int) {
  signalled = 1;
}

void endWhenSignalled(int) {
  if (signalled) {
    exitProgram(0);
    return;
  }
  glutTimerFunc(checkIntervalMs, endWhenSignalled, 0);
}

}  // namespace

void endOnTerminationSignals() {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, noteSignal);
  glutTimerFunc(checkIntervalMs, endWhenSignalled, 0);
}
