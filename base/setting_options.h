#pragma once

// The command-line options that choose the settings a reset returns to: the speed, the sizes and
// distances, the blanking, the globe's facets, the letterbox, the polygon mode and the switches.
// Each accepts what its keys can reach: the same bounds, whole numbers where the keys step by
// one. No GL here.

class Parameters;

// The settings the command line chose, in the order given; a later choice of the same setting
// wins. Zero-filled: nothing chosen.
struct SettingChoices {
  struct Choice {
    int option;    // index into the option table
    double value;  // the value given; 0 or 1 for a switch, 0..2 for the polygon mode
  };
  static constexpr int capacity = 64;
  int count;
  Choice list[capacity];
};

// The choices reset() applies over the defaults. Written once, by main, before the first reset.
extern SettingChoices chosenSettings;

// The option called name, without its dash ("speed", "no-fog"); -1 where there is none.
int findSettingOption(const char* name);

// Whether a value follows the option; a switch ("fog", "no-fog") takes none.
bool optionTakesValue(int option);

// Adds the option's choice, read from value (null for a switch or a missing value), to choices.
// False where the value is not one the option accepts, with what it accepts in accepts
// ("a number above 0"), or where the list is full.
bool chooseSetting(int option, const char* value, SettingChoices& choices, const char*& accepts);

// Adds the choices in later after those in to, dropping any of to's choices of a setting that
// later chooses again (the two rows of a switch are one setting), so to never fills up.
void addSettingChoices(SettingChoices& to, const SettingChoices& later);

// The number of rows in the option table.
int settingOptionCount();

// The first row of the table that sets what option sets ("textures" for "no-textures").
int settingOf(int option);

// The option line that chooses setting's value in the block as it is now, as a settings file
// holds it: "-speed 1.5", "-no-textures", "-polygon-mode lines". setting is a first row (see
// settingOf). A number is written with the fewest digits that read back to the same float.
void formatSetting(int setting, const Parameters& parameters, char (&line)[48]);

// Writes every choice into the block, over whatever it held.
void applySettingChoices(const SettingChoices& choices, Parameters& parameters);
