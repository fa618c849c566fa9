// What opening a bookmark needs from around it: the operating system
// (OpenSystem: keys, files, the shell, the browser routes; open_system_win.cpp)
// and the window that asked (OpenHost: messages, the visit, minimizing, the
// QuickSearch prompt). The opening logic itself (open_address.h) is
// portable, so that it runs and is tested without windows.
#pragma once

#include <string>
#include <vector>

#include "settings/settings.h"

namespace browser {

class OpenSystem {
 public:
  virtual ~OpenSystem() = default;

  virtual bool ShiftDown() = 0;
  virtual bool AltDown() = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // The names of the files (not folders, not "." or "..") that match a
  // pattern with "*" or "?" in its last part.
  virtual std::vector<std::string> MatchingFiles(const std::string& pattern) = 0;
  // Starts file through the shell with parameters and verb ("" = "open")
  // in the file's folder, after trying the 32-bit program folder for a
  // file missing from the 64-bit one. 0 on success, else the system's
  // error code.
  virtual unsigned ShellOpen(const std::string& file, const std::string& parameters,
                             const std::string& verb) = 0;
  // The system's text for an error code.
  virtual std::string ErrorText(unsigned code) = 0;
  // Brings the main window of browser index to the front; an opaque handle
  // of it (null when none is open), handed back to OpenByDde.
  virtual void* RaiseBrowserWindow(const Settings& settings, int index) = 0;
  virtual bool OpenByCom(const BrowserEntry& browser, const std::string& url, bool newTab) = 0;
  virtual bool OpenByDde(const BrowserEntry& browser, void* browserWindow, const std::string& url,
                         bool newTab) = 0;
  // The typed QuickSearch text URL-escaped as the system escapes it (the
  // percent sign included).
  virtual std::string EscapeUrlText(const std::string& text) = 0;
};

class OpenHost {
 public:
  virtual ~OpenHost() = default;

  // Message box id of the string table; argument replaces %1.
  virtual void ShowMessage(int id, const std::string& argument) = 0;
  // The preferences at their browsers page, after messages 10021 and 10009.
  virtual void ShowBrowserPreferences() = 0;
  // A bookmark was opened: its visit is counted.
  virtual void RecordVisit() = 0;
  // Auto-minimize after opening.
  virtual void Minimize() = 0;
  // Dialog 524 with caption prompt ("" keeps the dialog's own); false on
  // Cancel.
  virtual bool AskQuickSearchText(const std::string& prompt, std::string* text) = 0;
};

}  // namespace browser
