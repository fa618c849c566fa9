#include "browser/page_fetch_win.h"

#include "browser/dde_browser_win.h"
#include "browser/dde_client_win.h"

namespace browser {

int FetchBrowserIndex(const Settings& settings, int chosen) {
  const int count = static_cast<int>(settings.browsers.size());
  if (chosen >= 0 && chosen < count) return chosen;
  return settings.defaultBrowser >= 0 && settings.defaultBrowser < count ? settings.defaultBrowser
                                                                         : -1;
}

std::vector<OpenPageEntry> ListOpenPages(const Settings& settings, int index) {
  std::vector<OpenPageEntry> entries;
  DdeClient* dde = DdeClient::Current();
  if (!dde || index < 0 || index >= static_cast<int>(settings.browsers.size())) return entries;
  for (const DdePage& page : DdeOpenPages(*dde, settings.browsers[index].ddeService)) {
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
  DdeClient* dde = DdeClient::Current();
  if (!dde || index < 0 || index >= static_cast<int>(settings.browsers.size())) return false;
  // The document object of an engine browser is not reached yet: every
  // browser is asked by DDE, as the document route's fallback does.
  const long windowId = entry && entry->kind == 1 ? entry->windowId : -1;
  return DdeGetWindowInfo(*dde, settings.browsers[index].ddeService, windowId, -1, page);
}

}  // namespace browser
