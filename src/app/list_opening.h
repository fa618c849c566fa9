// The application's side of the two list slots (list/list_slots.h): the
// user interface the lists ask through (dialogs, the main window, the
// settings store, the wait for the site checker), and the calls that
// start-up, the command window and the menus make.
#pragma once

#include <string>

#include "list/list_slots.h"

// The ListHost of the running program.
ListHost& AppListHost();

// Opens a list file by path (command line, hand-over from a second copy).
bool OpenListByPath(const std::string& path);
// Opens entry index of the known lists.
bool OpenKnownList(int index);
// The File menu's "Open/New": "Select or create bookmark list"; a new name
// is created first, then the list is opened.
bool OpenOrCreateListFromDialog();
// The File menu's "Encryption options" for the current list.
bool EditEncryptionOptions();
