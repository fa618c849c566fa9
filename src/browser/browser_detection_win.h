// The installed programs as the registry and the file system tell them.
#pragma once

#include "browser/browser_detection.h"

namespace browser {

class RegistryInstalledPrograms : public InstalledPrograms {
 public:
  std::string RegisteredPath(const std::string& exeName) override;
  std::string ProgramFilesFolder() override;
  bool FileExists(const std::string& path) override;
};

}  // namespace browser
