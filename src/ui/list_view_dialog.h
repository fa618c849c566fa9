// The List View dialog (532): a table of search results, marked items,
// aliases, duplicates, scheduled, all or deleted bookmarks, with actions.
// It lives as long as the main window that owns it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "view/list_views.h"  // ListViewEntry: kViewSearchResults ... kViewDeleted

// Created hidden with the main window, destroyed (its rectangle and
// columns stored) before it.
void CreateListView(HWND mainWindow);
void DestroyListView();
// Rebuilds the table on the current entry, corrected for the search state
// and the marks. Nothing happens while the dialog is hidden.
void RefreshListView();
// Shows the dialog on entry (kView...).
void ShowListView(int entry);
// F9: shows the dialog on the last entry used, or hides it.
void ToggleListView();
// The main window's selection changed: the matching row becomes selected
// (the aliases and grouped duplicates views are rebuilt around it).
void ListViewSelectionChanged(uint16_t item);
// The dialog window, or null (tests and the message loop).
HWND ListViewWindow();
