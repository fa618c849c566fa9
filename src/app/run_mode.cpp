#include "app/run_mode.h"

#include <cctype>

bool IsInstallerProgramPath(const std::string& programPath) {
  static const char kName[] = "SETUP.EXE";
  const size_t n = sizeof kName - 1;
  if (programPath.size() < n) return false;
  for (size_t i = 0; i < n; ++i) {
    if (std::toupper(static_cast<unsigned char>(programPath[programPath.size() - n + i])) != kName[i])
      return false;
  }
  return true;
}

bool IsUninstallSwitch(const std::string& commandLine) { return commandLine == "-uninstall"; }

std::string CommandLineArgument(const char* fullCommandLine) {
  std::string line = fullCommandLine ? fullCommandLine : "";
  size_t i = 0;
  // Skip the program name: quoted, or up to the first blank.
  if (i < line.size() && line[i] == '"') {
    size_t close = line.find('"', i + 1);
    i = close == std::string::npos ? line.size() : close + 1;
  } else {
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
  }
  std::string rest = line.substr(i);
  size_t first = rest.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  size_t last = rest.find_last_not_of(" \t");
  rest = rest.substr(first, last - first + 1);
  if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') rest = rest.substr(1, rest.size() - 2);
  return rest;
}
