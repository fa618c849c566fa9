// Finding the installed browsers of the known table, and adding a browser
// the user identified by its program file.
#pragma once

#include <string>

#include "settings/settings.h"

namespace browser {

// Where installed programs are registered (browser_detection_win.cpp reads
// the registry and the file system).
class InstalledPrograms {
 public:
  virtual ~InstalledPrograms() = default;
  // The registered path of a program file name ("App Paths"), or "".
  virtual std::string RegisteredPath(const std::string& exeName) = 0;
  // The program files folder, or "" when the system names none.
  virtual std::string ProgramFilesFolder() = 0;
  virtual bool FileExists(const std::string& path) = 0;
};

// Appends every installed browser of the table that is not listed yet (same
// path and method); returns how many were added.
int DetectInstalledBrowsers(Settings* settings, InstalledPrograms& programs);

// Most browsers the list holds (the Browser menu's size).
constexpr size_t kMaxBrowsers = 100;

// Appends the browser whose program is path, named and reached as the
// table knows it (else by its file name); 1 added, 0 nothing to add (no
// file name), -1 the list is full (message 10017 is the caller's).
int AddBrowser(Settings* settings, const std::string& path);

// The installed browsers when the settings hold none (then the first is
// the default), and the unstored columns of every entry. Run once after
// the settings are loaded.
void PrepareBrowsers(Settings* settings, InstalledPrograms& programs);

}  // namespace browser
