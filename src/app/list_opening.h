// The application's side of the two list slots (list/list_slots.h): the
// user interface the lists ask through (dialogs, the main window, the
// settings store, the wait for the site checker), and the openings that
// start-up and the command window make.
#pragma once

#include <string>

#include "list/list_slots.h"

// The ListHost of the running program.
ListHost& AppListHost();

// Opens a list file by path (command line, hand-over from a second copy).
bool OpenListByPath(const std::string& path);
// Opens entry index of the known lists.
bool OpenKnownList(int index);
// True while a save waits with the message pump (for the site checker):
// the lists must not be replaced under it.
bool ListsWaitingInSave();
