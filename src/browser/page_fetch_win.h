// Fetching the page a browser shows: the frontmost page of a browser, or
// one chosen from the list of its open pages (the open-pages menu).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "browser/dde_topics.h"
#include "settings/settings.h"

namespace browser {

// One page of the open-pages menu.
struct OpenPageEntry {
  int browser = -1;
  int kind = 1;        // 1 a DDE window, 2 a document window
  long windowId = -1;  // kind 1
  HWND mainWindow = nullptr;
  HWND documentWindow = nullptr;  // kind 2
  std::string title;
};

// The browser a fetch asks: chosen, or the default when chosen lies
// outside the list; -1 when no browser is configured.
int FetchBrowserIndex(const Settings& settings, int chosen);

// The pages browser `index` shows, each with a title (DDE browsers: one per
// DDE window, or the last active page alone when the browser lists none).
std::vector<OpenPageEntry> ListOpenPages(const Settings& settings, int index);

// The address and title of the chosen page, or of the frontmost page of
// browser `index` when entry is null: a browser of the embedded engine
// through its page document (document_pages_win.h), else and every other
// browser by DDE. False when the browser did not answer.
bool FetchPage(const Settings& settings, int index, const OpenPageEntry* entry, PageInfo* page);

}  // namespace browser
