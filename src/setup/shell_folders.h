// The user's special folders that setup and uninstall write to.
#pragma once

#include <string>

#include "setup/install_choices.h"

// The special folder csidl (CSIDL_...), with a trailing backslash; "" when
// the system has none.
std::string SpecialFolder(int csidl);
// The program group: the Programs folder, the start-menu subfolder (when
// not empty) and "Vellox"; with a trailing backslash, "" when unknown.
std::string ProgramGroupFolder(const std::string& startMenu);
// The folder of a shortcut place (the program group for that place); ""
// when the system does not have it.
std::string ShortcutPlaceFolder(ShortcutPlace place, const std::string& startMenu);
// The folder of the user's program data (the settings backup): local
// application data, roaming on Windows before version 5, plus
// "\Velloxsoft\Vellox\3.0"; without a trailing backslash, "" when unknown.
std::string UserDataFolder();
