#include "browser/page_fetch_win.h"

#include "browser/dde_browser_win.h"
#include "browser/dde_client_win.h"
#include "browser/document_pages_win.h"
#include "browser/known_browsers.h"

namespace browser {

int FetchBrowserIndex(const Settings& settings, int chosen) {
  const int count = static_cast<int>(settings.browsers.size());
  if (chosen >= 0 && chosen < count) return chosen;
  return settings.defaultBrowser >= 0 && settings.defaultBrowser < count ? settings.defaultBrowser
                                                                         : -1;
}

std::vector<OpenPageEntry> ListOpenPages(const Settings& settings, int index) {
  std::vector<OpenPageEntry> entries;
  if (index < 0 || index >= static_cast<int>(settings.browsers.size())) return entries;
  const BrowserEntry& browser = settings.browsers[index];
  if (IsComBrowser(browser)) {
    for (const DocumentPage& page : AllDocumentPages(browser)) {
      OpenPageEntry entry;
      entry.browser = index;
      entry.kind = 2;
      entry.mainWindow = page.mainWindow;
      entry.documentWindow = page.documentWindow;
      entry.title = page.page.title;
      entries.push_back(entry);
    }
    return entries;
  }
  DdeClient* dde = DdeClient::Current();
  if (!dde) return entries;
  for (const DdePage& page : DdeOpenPages(*dde, browser.ddeService)) {
    OpenPageEntry entry;
    entry.browser = index;
    entry.kind = 1;
    entry.windowId = page.windowId;
    entry.title = page.page.title;
    entries.push_back(entry);
  }
  return entries;
}

bool FetchPage(const Settings& settings, int index, const OpenPageEntry* entry, PageInfo* page) {
  if (index < 0 || index >= static_cast<int>(settings.browsers.size())) return false;
  const BrowserEntry& browser = settings.browsers[index];
  const int kind = entry ? entry->kind : (IsComBrowser(browser) ? 2 : 1);
  if (kind == 2) {
    if (entry && entry->mainWindow) {
      if (ReadDocumentPageOf(entry->mainWindow, entry->documentWindow, page)) return true;
    } else {
      DocumentPage front;
      if (FrontDocumentPage(browser, &front)) {
        *page = front.page;
        return true;
      }
    }
  }
  // A browser whose document cannot be read is asked by DDE.
  DdeClient* dde = DdeClient::Current();
  if (!dde) return false;
  const long windowId = entry && entry->kind == 1 ? entry->windowId : -1;
  return DdeGetWindowInfo(*dde, browser.ddeService, windowId, -1, page);
}

}  // namespace browser
