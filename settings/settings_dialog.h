#pragma once

#include "base/setting_options.h"

// gyrotrak --settings: the ride in its window as the settings dialog. The keys change the
// settings as always; leaving (Esc, q, the menu's Exit, the close button) writes them to the
// settings file and says where.

// The settings file's path, empty where there is none. Written once, by readUsersSettings.
extern char settingsFilePath[4096];

// Whether the ride is the settings dialog. Written once, by readUsersSettings.
extern int settingsDialog;

// Once, before the window opens: finds the user's settings file from XDG_CONFIG_HOME and HOME
// (either null), adds its settings to choices, and makes the ride the settings dialog where
// dialog is set.
void readUsersSettings(const char* xdgConfigHome, const char* home, bool dialog,
                       SettingChoices& choices);

// What the message line says at the start of the dialog; it fits the 512 x 512 window.
extern const char* const settingsDialogMessage;

// In the dialog, on the first call: writes the settings the keys change to the file, and says
// where they went (or why not) on the message line and in one line on standard output (or
// standard error). Elsewhere, or again, nothing.
void saveSettingsOnLeaving();
