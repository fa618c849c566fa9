#include "browser/browser_routes_win.h"

#include "browser/browser_windows_win.h"
#include "browser/dde_browser_win.h"
#include "browser/dde_client_win.h"
#include "browser/dde_topics.h"
#include "browser/document_object_win.h"

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

bool OpenUrlByCom(const BrowserEntry& browser, const std::string& url, bool newTab) {
  HWND frame = FindBrowserWindow(nullptr, browser.frameClass, browser.titleText);
  if (!frame) return false;
  // The page shown: hidden and background tabs are passed over.
  if (HWND page = NextDocumentWindow(frame, browser.documentClass, nullptr, PageWindows::kShown))
    if (OpenFromDocument(page, url, newTab)) return true;
  return NavigateByCompanion(frame, url, newTab);
}

}  // namespace browser
