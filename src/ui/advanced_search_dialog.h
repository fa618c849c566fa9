// "Search Bookmark List" (520): the advanced search with every option,
// filters and named presets. Modeless; created hidden with the main window
// and destroyed (its rectangle stored for the window family) before it.
#pragma once

#include <windows.h>

#include <string>

#include "search/search_options.h"

void CreateAdvancedSearch(HWND mainWindow, int family);
void DestroyAdvancedSearch();
// Ctrl+Shift+F: hidden -> shown with the main window's search text; shown
// but not active -> activated; active -> hidden, main window activated.
void ToggleAdvancedSearch(const std::string& mainSearchText);
// The right-click on the Search button: shown (or activated).
void ShowAdvancedSearch(const std::string& mainSearchText);
bool AdvancedSearchVisible();
// The dialog's options and "Search for" text; false when it does not exist.
bool AdvancedSearchInput(SearchOptions* options, std::string* term);
