// The pages of a browser of the embedded engine: each page window inside
// each of its main windows, read through the page's document or, failing
// that, through the companion library's entry for the main window.
#pragma once

#include <windows.h>

#include <vector>

#include "browser/dde_topics.h"
#include "settings/settings.h"

namespace browser {

struct DocumentPage {
  HWND mainWindow = nullptr;
  HWND documentWindow = nullptr;  // null when read through the companion
  PageInfo page;
};

// The page of these windows (a chosen entry of the open-pages menu).
bool ReadDocumentPageOf(HWND mainWindow, HWND documentWindow, PageInfo* page);

// The frontmost page of the browser: the first page window not inside a
// disabled window (background tabs are), in the first main window that
// has one, or that main window's companion entry.
bool FrontDocumentPage(const BrowserEntry& browser, DocumentPage* found);

// Every page that has an address and a title, main window by main window.
std::vector<DocumentPage> AllDocumentPages(const BrowserEntry& browser);

}  // namespace browser
