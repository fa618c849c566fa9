// The bookmark lists when the default list folder changes, and the sample
// list of a new list folder.
#pragma once

#include <string>

#include "settings/settings.h"
#include "setup/install_prompt.h"

// Moves each known list whose file lies in oldFolder into newFolder,
// together with its "Autobackup" files, and updates its path. A file of
// the same name in newFolder is overwritten only when the user agrees
// (otherwise both stay where they are); a list that cannot be reached is
// kept in the menu or, when the user says so, removed from it. A failed
// move is reported and leaves the list where it was. The current list
// index follows its list.
void MoveListsToFolder(Settings* settings, const std::string& oldFolder,
                       const std::string& newFolder, InstallPrompter* prompter);
// True when folder holds a list file ("*.bkl").
bool FolderHasList(const std::string& folder);
// When listFolder holds no list yet, copies sampleList there as
// "My Bookmarks.bkl" (never over an existing file) and adds it to the list
// menu as "My Bookmarks"; it becomes the current list when the menu was
// empty. True when a list was added.
bool AddStarterList(Settings* settings, const std::string& listFolder,
                    const std::string& sampleList);
