#include "browser/browser_routes_win.h"

#include "browser/dde_browser_win.h"
#include "browser/dde_client_win.h"
#include "browser/dde_topics.h"

namespace browser {

bool OpenUrlByDde(const BrowserEntry& browser, HWND browserWindow, const std::string& url,
                  bool newTab) {
  DdeClient* dde = DdeClient::Current();
  if (!dde || browser.ddeService.empty()) return false;
  // 0 asks for a new window; otherwise the DDE window showing the same
  // page as the main window found on the screen, or the last active one.
  long windowId = 0;
  if (!newTab)
    windowId = browserWindow ? FindDdeWindowId(*dde, browser.ddeService, browserWindow) : -1;
  const int slot = dde->Connect(browser.ddeService, kTopicOpenUrl);
  // The reply is not awaited: a server that took the conversation is enough.
  const bool requested = dde->Request(slot, OpenUrlItem(url, windowId));
  dde->Terminate(slot);
  return requested;
}

// The page's document object is not reached yet: the route fails, and
// opening goes on to DDE and then the command line.
bool OpenUrlByCom(const BrowserEntry&, const std::string&, bool) { return false; }

}  // namespace browser
