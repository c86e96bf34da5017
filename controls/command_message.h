#pragma once

// What a command confirms itself with on the message line: nothing, a plain text, or a printf
// format with one integer or one real value. The controls' settings changes return it without
// drawing anything; postCommandMessage puts it on screen.
struct CommandMessage {
  enum Kind { none, plain, integer, real };
  Kind kind;
  const char* text;  // the text, or the format
  double value;      // the value for the format (an integer kind holds a whole number)
};

inline CommandMessage noMessage() {
  return {CommandMessage::none, nullptr, 0};
}
inline CommandMessage plainMessage(const char* text) {
  return {CommandMessage::plain, text, 0};
}
inline CommandMessage intMessage(const char* format, int value) {
  return {CommandMessage::integer, format, static_cast<double>(value)};
}
inline CommandMessage realMessage(const char* format, double value) {
  return {CommandMessage::real, format, value};
}

// Draws the message at once at the message position and keeps it for 3 seconds; does
// nothing for noMessage().
void postCommandMessage(const CommandMessage& message);
