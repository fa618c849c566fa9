// The two ways into a running browser that opening a bookmark shares with
// fetching the current page: the browser's DDE service ("WWW_OpenURL") and
// the document object of the page it shows (document_object_win.h).
#pragma once

#include <windows.h>

#include <string>

#include "settings/settings.h"

namespace browser {

// Asks the browser by DDE to open url: in a new window when newTab is set,
// otherwise in the DDE window whose caption matches browserWindow's (or
// the last active one). True when a server took the request.
bool OpenUrlByDde(const BrowserEntry& browser, HWND browserWindow, const std::string& url,
                  bool newTab);

// Opens url through the document object of the browser's visible page
// (a new tab when newTab is set), else through the companion library's
// entry for the browser's main window. True when either was reached.
bool OpenUrlByCom(const BrowserEntry& browser, const std::string& url, bool newTab);

}  // namespace browser
