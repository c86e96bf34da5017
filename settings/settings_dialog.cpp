#include "settings/settings_dialog.h"

#include <cstdio>
#include <cstring>

#include "base/parameters.h"
#include "settings/settings_store.h"
#include "text/text_overlay.h"

char settingsFilePath[4096];
int settingsDialog = 0;

const char* const settingsDialogMessage = "Keys change settings (? lists them); leaving saves them";

void readUsersSettings(const char* xdgConfigHome, const char* home, bool dialog,
                       SettingChoices& choices) {
  findSettingsFile(xdgConfigHome, home, settingsFilePath);
  if (settingsFilePath[0] != '\0') readSettingsFile(settingsFilePath, choices);
  settingsDialog = dialog;
}

void saveSettingsOnLeaving() {
  static int saved = 0;
  if (!settingsDialog || saved) return;
  saved = 1;
  char error[512];
  if (settingsFilePath[0] == '\0') {
    std::fprintf(stderr, "gyrotrak: settings not saved: neither XDG_CONFIG_HOME nor HOME is set\n");
    textOverlay.setMessage("Settings not saved: see the error line");
  } else if (!writeSettingsFile(settingsFilePath, params, error)) {
    std::fprintf(stderr, "%s\n", error);
    textOverlay.setMessage("Settings not saved: see the error line");
  } else {
    std::printf("gyrotrak: settings saved in %s\n", settingsFilePath);
    std::fflush(stdout);
    // The path's end, which names the file, where the whole does not fit the line.
    const char* shown = settingsFilePath;
    const size_t room = 66;
    if (std::strlen(shown) > room) shown += std::strlen(shown) - room;
    char line[80];
    std::snprintf(line, sizeof line, "Saved in %s%.66s", shown == settingsFilePath ? "" : "...",
                  shown);
    textOverlay.setMessage(line);
  }
}
