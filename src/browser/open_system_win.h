// Opening bookmarks on Windows: the keyboard, the file system, the shell
// and the two routes into a running browser.
#pragma once

#include "browser/open_ports.h"

namespace browser {

class WinOpenSystem : public OpenSystem {
 public:
  bool ShiftDown() override;
  bool AltDown() override;
  bool FolderExists(const std::string& path) override;
  std::vector<std::string> MatchingFiles(const std::string& pattern) override;
  unsigned ShellOpen(const std::string& file, const std::string& parameters,
                     const std::string& verb) override;
  std::string ErrorText(unsigned code) override;
  void* RaiseBrowserWindow(const Settings& settings, int index) override;
  bool OpenByCom(const BrowserEntry& browser, const std::string& url, bool newTab) override;
  bool OpenByDde(const BrowserEntry& browser, void* browserWindow, const std::string& url,
                 bool newTab) override;
  std::string EscapeUrlText(const std::string& text) override;
};

}  // namespace browser
