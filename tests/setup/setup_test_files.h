// Small file helpers of the setup tests.
#pragma once

#include <string>

#include "platform/platform.h"
#include "setup/file_tree.h"
#include "setup/program_files.h"

constexpr const char kSettingsKeyForTests[] = "Software\\Velloxsoft\\Vellox\\3.0";

// Writes text to path, making its folder first.
inline void Put(const std::string& path, const std::string& text) {
  MakeFolderTree(FolderOfPath(path));
  platform::WriteWholeFile(path.c_str(), text);
}

inline std::string Read(const std::string& path) {
  std::string text;
  if (platform::ReadWholeFile(path.c_str(), &text) != 0) return "<missing>";
  return text;
}
