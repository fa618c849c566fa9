#include "browser/browser_routes_win.h"

namespace browser {

// Neither route is wired yet: every open falls through to the browser's
// command line.
bool OpenUrlByDde(const BrowserEntry&, HWND, const std::string&, bool) { return false; }

bool OpenUrlByCom(const BrowserEntry&, const std::string&, bool) { return false; }

}  // namespace browser
