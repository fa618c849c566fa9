#include "browser/document_pages_win.h"

#include "browser/browser_windows_win.h"
#include "browser/document_object_win.h"

namespace browser {

namespace {

// The main windows of the browser, top first.
std::vector<HWND> MainWindows(const BrowserEntry& browser) {
  std::vector<HWND> windows;
  for (HWND w = FindBrowserWindow(nullptr, browser.frameClass, browser.titleText); w;
       w = FindBrowserWindow(w, browser.frameClass, browser.titleText))
    windows.push_back(w);
  return windows;
}

// The page windows of one main window; without the accessibility library
// none, so that the companion entry is asked instead.
std::vector<HWND> PageWindowsOf(HWND mainWindow, const BrowserEntry& browser, PageWindows which) {
  std::vector<HWND> windows;
  if (!HasAccessibilityLibrary()) return windows;
  for (HWND w = NextDocumentWindow(mainWindow, browser.documentClass, nullptr, which); w;
       w = NextDocumentWindow(mainWindow, browser.documentClass, w, which))
    windows.push_back(w);
  return windows;
}

}  // namespace

bool ReadDocumentPageOf(HWND mainWindow, HWND documentWindow, PageInfo* page) {
  if (documentWindow && ReadDocumentPage(documentWindow, page)) return true;
  return ReadCompanionPage(mainWindow, page);
}

bool FrontDocumentPage(const BrowserEntry& browser, DocumentPage* found) {
  for (HWND mainWindow : MainWindows(browser)) {
    const std::vector<HWND> pages = PageWindowsOf(mainWindow, browser, PageWindows::kNotDisabled);
    if (pages.empty() && HasAccessibilityLibrary()) continue;
    found->mainWindow = mainWindow;
    found->documentWindow = pages.empty() ? nullptr : pages.front();
    return ReadDocumentPageOf(mainWindow, found->documentWindow, &found->page);
  }
  return false;
}

std::vector<DocumentPage> AllDocumentPages(const BrowserEntry& browser) {
  std::vector<DocumentPage> found;
  for (HWND mainWindow : MainWindows(browser)) {
    std::vector<HWND> pages = PageWindowsOf(mainWindow, browser, PageWindows::kAll);
    if (pages.empty()) pages.push_back(nullptr);
    for (HWND documentWindow : pages) {
      DocumentPage page;
      page.mainWindow = mainWindow;
      page.documentWindow = documentWindow;
      if (ReadDocumentPageOf(mainWindow, documentWindow, &page.page) && !page.page.url.empty() &&
          !page.page.title.empty())
        found.push_back(page);
    }
  }
  return found;
}

}  // namespace browser
