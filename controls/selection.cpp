#include "controls/selection.h"

#include "base/parameters.h"
#include "text/text_overlay.h"

namespace {

// The index after a step: one up from a negative index, otherwise back to 0.
int nextSelection(int index) {
  return index < 0 ? index + 1 : 0;
}

// The message for a selection, or nullptr for an index without one.
const char* imageMessage(int imageIndex) {
  if (imageIndex == 0) return "No Image Options";
  if (imageIndex == 1) return "Image 1/1: ";
  return nullptr;
}

const char* optionMessage(int optionIndex) {
  if (optionIndex == 0) return "No Options";
  if (optionIndex == 1) return "Option 1/1: ";
  return nullptr;
}

// Sets the current option's message, if it has one, as the message line from the next frame.
void showOptionMessage() {
  if (const char* text = optionMessage(params.optionIndex)) textOverlay.setMessage(text);
}

}  // namespace

void nextImage() {
  params.imageIndex = nextSelection(params.imageIndex);
  showImageMessage();
}

void nextOption() {
  params.optionIndex = nextSelection(params.optionIndex);
  showOptionMessage();
}

void showImageMessage() {
  if (const char* text = imageMessage(params.imageIndex)) textOverlay.setMessage(text);
}
