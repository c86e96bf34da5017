#pragma once

// The settings file's text, read and written without touching a file: one setting a line, as its
// option is written on the command line ("-speed 2", "--no-stars", "polygon-mode lines",
// "--fov=90"; the dash may be left out), "#" starting a comment, blank lines ignored. The file
// accepts exactly the settings and values the command line does; the other options (-window,
// -root, -pace, the toolkit's) are not settings and are refused there. Nothing read is ever run
// or used as a path.

#include <cstddef>
#include <string>

#include "base/setting_options.h"

class Parameters;

constexpr size_t mostSettingsFileBytes = 64 * 1024;

// One line of the file, read.
struct SettingsLine {
  enum Kind { empty, setting, bad } kind;  // empty: blank or only a comment
  SettingChoices::Choice choice;           // for setting
  char problem[160];                       // for bad: what is wrong and what is accepted
};

// Reads the line of length characters at text (no newline).
SettingsLine readSettingsLine(const char* text, size_t length);

// Why size bytes at text are not a settings file (too long, or bytes that are not text such as
// NUL or other control characters), or null where they may be one.
const char* settingsTextProblem(const char* text, size_t size);

// Reads the whole text: each good line's choice added to choices (a later line of the same
// setting wins), each bad one reported as "gyrotrak: PATH:LINE: PROBLEM" to report.
void readSettingsText(const char* text, size_t size, const char* path, SettingChoices& choices,
                      void (*report)(const char* line));

// The file's new text, holding every setting the
// keys change as the block holds it now: each setting line of the old text (size bytes at old)
// rewritten in place, with its comment, the settings it lacks appended, and its comments, blank
// and bad lines kept as they were. A new file (size 0) begins with a comment saying what it is.
std::string rewriteSettingsText(const char* old, size_t size, const Parameters& parameters);
