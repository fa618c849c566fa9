// A fresh temporary folder for one test, removed with everything in it.
#pragma once

#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder itself with a trailing separator (name empty), or a path
  // inside it.
  std::string Path(const std::string& name) const;

 private:
  std::string root_;  // with a trailing separator
};
