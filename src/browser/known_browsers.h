// The browsers the program knows by their executable: how each is reached
// (DDE service and method) and how its windows are found on the screen.
// The order of the rows decides which row wins when several match, and a
// row's index never changes: new browsers are appended.
#pragma once

#include <cstddef>
#include <string>

#include "settings/settings.h"

namespace browser {

struct KnownBrowser {
  const char* name;
  const char* exeName;  // compared with a path's file name, ignoring case
  const char* ddeService;
  const char* method;  // "DDE" or "COM"
  const char* titleText;
  const char* frameClass;
  const char* documentClass;
};

extern const char kMethodDde[];  // "DDE"
extern const char kMethodCom[];  // "COM"

// Row whose main-window class and caption are tried again for the browser
// at position 1 when its own are not found (the second Firefox row).
constexpr size_t kFirefoxSecondRow = 23;

size_t KnownBrowserCount();
const KnownBrowser& KnownBrowserAt(size_t row);

// First row with this executable file name (ignoring case), or nullptr.
const KnownBrowser* FindKnownBrowserByExe(const std::string& fileName);

// The file-name part of a browser path (after the last backslash or "/").
std::string BrowserFileName(const std::string& path);

// Fills the unstored columns of every configured browser from the table and
// completes an empty DDE service or method; a default browser outside the
// list becomes 0. Run once after the settings are loaded.
void CompleteBrowserEntries(Settings* settings);

bool IsComBrowser(const BrowserEntry& entry);

// ASCII comparison ignoring case (names of services and executables).
bool EqualsIgnoringCase(const std::string& a, const char* b);

}  // namespace browser
