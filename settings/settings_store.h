#pragma once

// The settings file on disk: where it is, reading it at start and writing it back safely. What
// its text means is settings/settings_file.h's.

#include "base/setting_options.h"

class Parameters;

// The settings file's path, from XDG_CONFIG_HOME (xdgConfigHome) and HOME (home), either null:
// XDG_CONFIG_HOME/gyrotrak/settings, or HOME/.config/gyrotrak/settings where XDG_CONFIG_HOME is
// unset, empty or not absolute. False where neither gives an absolute path, or it is too long.
bool findSettingsFile(const char* xdgConfigHome, const char* home, char (&path)[4096]);

// Adds the file's settings to choices. A missing file is silent. Each bad line is named on
// standard error and skipped; a file that cannot be read, a folder or anything else not a plain
// file in its place, a file over 64 KiB or one that is not text is one line there, and adds
// nothing. Never waits: a named pipe in its place is refused, not opened for reading.
void readSettingsFile(const char* path, SettingChoices& choices);

// Writes every setting the keys change, as the block holds it, into the file, keeping its other
// lines (see rewriteSettingsText); makes the folder (0700) if it is missing. The new text goes
// to a temporary file in the same folder, which is flushed to the disk and only then renamed
// over the old: a full disk or a killed program leaves the old file whole. A link is followed:
// its target is rewritten. False, with one line for the user in error, where it cannot be
// written, or the old file cannot be read or is not a settings file (it is then left alone).
bool writeSettingsFile(const char* path, const Parameters& parameters, char (&error)[512]);
