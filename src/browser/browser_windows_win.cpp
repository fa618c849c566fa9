#include "browser/browser_windows_win.h"

#include <cstring>

#include "browser/known_browsers.h"

namespace browser {

namespace {

constexpr int kTextBuffer = 512;
constexpr char kDefaultFrameClass[] = "IEFrame";

bool Matches(HWND window, const std::string& frameClass, const std::string& titleText) {
  char className[kTextBuffer] = "";
  GetClassNameA(window, className, kTextBuffer);
  const std::string& prefix = frameClass.empty() ? std::string(kDefaultFrameClass) : frameClass;
  if (std::strncmp(className, prefix.c_str(), prefix.size()) != 0) return false;
  if (titleText.empty()) return true;
  char caption[kTextBuffer] = "";
  GetWindowTextA(window, caption, kTextBuffer);
  return std::strstr(caption, titleText.c_str()) != nullptr;
}

}  // namespace

HWND FindBrowserWindow(HWND startAfter, const std::string& frameClass,
                       const std::string& titleText) {
  HWND window =
      startAfter ? GetWindow(startAfter, GW_HWNDNEXT) : GetWindow(GetDesktopWindow(), GW_CHILD);
  for (; window; window = GetWindow(window, GW_HWNDNEXT)) {
    if ((GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    if (Matches(window, frameClass, titleText)) return window;
  }
  return nullptr;
}

BrowserWindow FindBrowserMainWindow(const Settings& settings, int index) {
  BrowserWindow found;
  if (index < 0 || index >= static_cast<int>(settings.browsers.size())) return found;
  const BrowserEntry& entry = settings.browsers[index];
  found.window = FindBrowserWindow(nullptr, entry.frameClass, entry.titleText);
  if (!found.window && index == 1) {
    const KnownBrowser& row = KnownBrowserAt(kFirefoxSecondRow);
    found.window = FindBrowserWindow(nullptr, row.frameClass, row.titleText);
  }
  if (found.window) found.thread = GetWindowThreadProcessId(found.window, nullptr);
  return found;
}

}  // namespace browser
