// The program's shortcuts: the program group with its three links and the
// program shortcut in each place the user chose; and their removal.
#pragma once

#include <array>
#include <string>

#include "setup/install_choices.h"

// "Vellox.lnk".
std::string ProgramShortcutName();
// The places that hold the program shortcut now.
std::array<bool, kShortcutPlaceCount> ExistingShortcutPlaces(const std::string& startMenu);
// Creates the program group (program, "Uninstall.lnk" with "-uninstall"
// and icon 3, "Help.lnk" when the help file exists) when chosen, and the
// program shortcut in each other chosen place; missing folders are made.
// Places that were not chosen are left as they are. Returns the number of
// shortcuts that could not be written.
int CreateShortcuts(const InstallChoices& choices, const std::string& programPath,
                    const std::string& helpPath);
// Deletes the program shortcut from the four places other than the program
// group.
void DeleteProgramShortcuts();
// Deletes the program group with what it holds, then the start-menu
// subfolder when it is left empty.
void DeleteProgramGroup(const std::string& startMenu);
