// Finding a configured browser's windows on the screen.
#pragma once

#include <windows.h>

#include <string>

#include "settings/settings.h"

namespace browser {

// The first visible top-level window after startAfter (nullptr: from the
// top of the Z order) whose class begins with frameClass ("IEFrame" when
// empty) and whose caption contains titleText (any caption when empty).
HWND FindBrowserWindow(HWND startAfter, const std::string& frameClass,
                       const std::string& titleText);

struct BrowserWindow {
  HWND window = nullptr;
  DWORD thread = 0;  // 0 when no window was found
};

// The main window of browser `index` of the settings' list; the browser at
// position 1 is looked for a second time as the second Firefox row.
BrowserWindow FindBrowserMainWindow(const Settings& settings, int index);

}  // namespace browser
