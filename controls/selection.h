#pragma once

// The image and option selections (params.imageIndex, params.optionIndex), stepped by the
// "i" and "o" keys and the menu and set directly by the digit keys. There is one image choice
// and one option choice: the selections only ever show their message.

// Step the selection and set its message as the message line from the next frame.
void nextImage();
void nextOption();

// Set the current image's message, if it has one, as the message line from the next frame.
void showImageMessage();
