#include "controls/command_message.h"

#include "text/text_overlay.h"

void postCommandMessage(const CommandMessage& message) {
  switch (message.kind) {
    case CommandMessage::none:
      break;
    case CommandMessage::plain:
      textOverlay.postMessage(message.text);
      break;
    case CommandMessage::integer:
      textOverlay.postMessageInt(message.text, static_cast<int>(message.value));
      break;
    case CommandMessage::real:
      textOverlay.postMessageReal(message.text, message.value);
      break;
  }
}
