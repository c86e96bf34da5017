#pragma once

// The pop-up menu on the right button: nine commands, some of them like keys but with their
// own side effects (messages from the next frame, no clears, an exit that restarts its fade).

// The entries' labels, in the order of their values.
constexpr int menuEntryCount = 9;
extern const char* const menuEntryLabels[menuEntryCount];

// Creates the menu once, at start-up, and attaches it to the right button.
void createMenu();

// Carries out the entry with the given value, 0..8; other values do nothing.
void menuCallback(int value);
