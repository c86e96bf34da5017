#include "settings/settings_file.h"

#include <cstdio>
#include <cstring>

namespace {

// The options that are not settings: a line naming one is refused, not taken for unknown.
const char* const otherOptions[] = {"window",   "window-id", "root",    "pace",     "settings",
                                    "help",     "version",   "display", "geometry", "direct",
                                    "indirect", "iconic",    "sync",    "gldebug"};

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

// The line's words, up to its comment: at most three are told apart.
struct Words {
  int count;
  char word[3][64];
};

Words splitWords(const char* text, size_t length) {
  Words w{};
  size_t i = 0;
  while (i < length && text[i] != '#') {
    if (isSpace(text[i])) {
      ++i;
      continue;
    }
    const size_t start = i;
    while (i < length && text[i] != '#' && !isSpace(text[i])) ++i;
    if (w.count < 3) {
      const size_t n = i - start < sizeof w.word[0] ? i - start : sizeof w.word[0] - 1;
      std::memcpy(w.word[w.count], text + start, n);
    }
    ++w.count;
  }
  return w;
}

SettingsLine badLine(const char* format, const char* a, const char* b = "") {
  SettingsLine line{};
  line.kind = SettingsLine::bad;
  std::snprintf(line.problem, sizeof line.problem, format, a, b);
  return line;
}

}  // namespace

SettingsLine readSettingsLine(const char* text, size_t length) {
  Words w = splitWords(text, length);
  if (w.count == 0) return SettingsLine{};
  // "-name", "--name" or "name"; "--name=value" as on the command line.
  char* name = w.word[0] + (w.word[0][0] == '-' ? (w.word[0][1] == '-' ? 2 : 1) : 0);
  const char* value = w.count > 1 ? w.word[1] : nullptr;
  char* equals = w.word[0][1] == '-' ? std::strchr(name, '=') : nullptr;
  if (equals != nullptr) {
    *equals = '\0';
    if (w.count > 1) return badLine("-%.40s takes one value, not two", name);
    value = equals + 1;
  }
  for (const char* other : otherOptions)
    if (std::strcmp(name, other) == 0)
      return badLine("-%.40s is not a setting; a settings file holds only settings", name);
  const int option = findSettingOption(name);
  if (option < 0)
    return badLine("unknown setting \"%.40s\"; gyrotrak --help lists the settings", name);
  if (!optionTakesValue(option)) {
    if (value != nullptr) return badLine("-%.40s takes no value", name);
  } else if (w.count > 2) {
    return badLine("-%.40s takes one value, not more", name);
  }
  SettingChoices one{};
  const char* accepts = "";
  if (!chooseSetting(option, value, one, accepts)) {
    if (value == nullptr) return badLine("-%.40s takes %.64s, but none follows", name, accepts);
    SettingsLine line = badLine("", "");
    std::snprintf(line.problem, sizeof line.problem, "-%.30s takes %.64s, not \"%.24s\"", name,
                  accepts, value);
    return line;
  }
  SettingsLine line{};
  line.kind = SettingsLine::setting;
  line.choice = one.list[0];
  return line;
}

const char* settingsTextProblem(const char* text, size_t size) {
  if (size > mostSettingsFileBytes) return "longer than 64 KiB";
  for (size_t i = 0; i < size; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c < ' ' && c != '\n' && c != '\t' && c != '\r') || c == 0x7f)
      return "not text (it holds control characters)";
  }
  return nullptr;
}

void readSettingsText(const char* text, size_t size, const char* path, SettingChoices& choices,
                      void (*report)(const char* line)) {
  int number = 0;
  for (size_t start = 0; start < size;) {
    const char* end = static_cast<const char*>(std::memchr(text + start, '\n', size - start));
    const size_t length = end != nullptr ? static_cast<size_t>(end - text) - start : size - start;
    const SettingsLine line = readSettingsLine(text + start, length);
    ++number;
    start += length + 1;
    if (line.kind == SettingsLine::setting) {
      SettingChoices one{};
      one.list[one.count++] = line.choice;
      addSettingChoices(choices, one);
    } else if (line.kind == SettingsLine::bad) {
      char message[512];
      std::snprintf(message, sizeof message, "gyrotrak: %.300s:%d: %s; the line is skipped", path,
                    number, line.problem);
      report(message);
    }
  }
}

std::string rewriteSettingsText(const char* old, size_t size, const Parameters& parameters) {
  std::string text;
  if (size == 0)
    text =
        "# Gyrotrak's settings, one a line as its option is written (gyrotrak --help lists\n"
        "# them). gyrotrak --settings changes them with its keys and saves them here.\n";
  bool written[SettingChoices::capacity] = {};
  char setting[48];
  for (size_t start = 0; start < size;) {
    const char* end = static_cast<const char*>(std::memchr(old + start, '\n', size - start));
    const size_t length = end != nullptr ? static_cast<size_t>(end - old) - start : size - start;
    const SettingsLine line = readSettingsLine(old + start, length);
    if (line.kind == SettingsLine::setting) {
      const int s = settingOf(line.choice.option);
      formatSetting(s, parameters, setting);
      written[s] = true;
      text += setting;
      const void* comment = std::memchr(old + start, '#', length);
      if (comment != nullptr)
        text.append(" ").append(static_cast<const char*>(comment),
                                old + start + length - static_cast<const char*>(comment));
    } else {
      text.append(old + start, length);
    }
    text += '\n';
    start += length + 1;
  }
  for (int s = 0; s < settingOptionCount(); ++s) {
    if (settingOf(s) != s || written[s]) continue;
    formatSetting(s, parameters, setting);
    text.append(setting).append("\n");
  }
  return text;
}
