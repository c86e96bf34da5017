#include "controls/selection.h"

#include "base/parameters.h"
#include "text/text_overlay.h"

int nextSelection(int index) {
  return index < 0 ? index + 1 : 0;
}

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

void showOptionMessage() {
  if (const char* text = optionMessage(params.optionIndex)) textOverlay.setMessage(text);
}
