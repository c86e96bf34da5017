#include "controls/debug_readout.h"

#include "base/parameters.h"
#include "controls/command_message.h"
#include "controls/selection.h"

int nCounter = 0;
int bCounter = 0;
int bigBCounter = 0;

void resetDebugCounters() {
  nCounter = 0;
  bCounter = 2;
  bigBCounter = 1;
}

namespace {

// One up, or back to 0 after top.
int nextCounter(int value, int top) {
  return value == top ? 0 : value + 1;
}

void stepCounter(int& counter, int top, const char* format) {
  counter = nextCounter(counter, top);
  postCommandMessage(intMessage(format, counter));
}

}  // namespace

void debugKey(unsigned char key) {
  if (key >= '0' && key <= '9') {
    params.imageIndex = key - '0';
    showImageMessage();
  } else if (key == 'n') {
    stepCounter(nCounter, 8, "n: %d");
  } else if (key == 'b') {
    stepCounter(bCounter, 8, "b: %d");
  } else if (key == 'B') {
    stepCounter(bigBCounter, 7, "B: %d");
  }
}
