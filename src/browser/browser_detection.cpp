#include "browser/browser_detection.h"

#include <cctype>

#include "browser/known_browsers.h"

namespace browser {

namespace {

constexpr char kAolService[] = "AOL Explorer";
constexpr char kAolFolder[] = "\\AOL\\Explorer";

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

BrowserEntry EntryFromRow(const KnownBrowser& row, const std::string& path) {
  return {row.name,      path,           row.ddeService,   row.method,
          row.titleText, row.frameClass, row.documentClass};
}

std::string InstalledPath(const KnownBrowser& row, InstalledPrograms& programs) {
  std::string path = programs.RegisteredPath(row.exeName);
  if (!path.empty()) return path;
  const std::string folder = programs.ProgramFilesFolder();
  if (folder.empty()) return "";
  path = folder +
         (std::string(row.ddeService) == kAolService ? std::string(kAolFolder)
                                                     : "\\" + std::string(row.name)) +
         "\\" + row.exeName;
  return programs.FileExists(path) ? path : "";
}

bool AlreadyListed(const Settings& settings, const std::string& path, const char* method) {
  for (const BrowserEntry& entry : settings.browsers)
    if (SameIgnoringCase(entry.path, path) && SameIgnoringCase(entry.method, method)) return true;
  return false;
}

}  // namespace

int DetectInstalledBrowsers(Settings* settings, InstalledPrograms& programs) {
  int added = 0;
  for (size_t i = 0; i < KnownBrowserCount(); ++i) {
    const KnownBrowser& row = KnownBrowserAt(i);
    std::string path = InstalledPath(row, programs);
    if (path.empty() || AlreadyListed(*settings, path, row.method)) continue;
    settings->browsers.push_back(EntryFromRow(row, path));
    ++added;
  }
  return added;
}

int AddBrowser(Settings* settings, const std::string& path) {
  if (settings->browsers.size() >= kMaxBrowsers) return -1;
  const std::string fileName = BrowserFileName(path);
  if (fileName.empty()) return 0;
  if (const KnownBrowser* row = FindKnownBrowserByExe(fileName)) {
    settings->browsers.push_back(EntryFromRow(*row, path));
  } else {
    const std::string stem = fileName.substr(0, fileName.find('.'));
    settings->browsers.push_back({stem, path, stem, kMethodDde, "", "", ""});
  }
  return 1;
}

void PrepareBrowsers(Settings* settings, InstalledPrograms& programs) {
  if (settings->browsers.empty()) {
    DetectInstalledBrowsers(settings, programs);
    settings->defaultBrowser = 0;
  }
  CompleteBrowserEntries(settings);
}

}  // namespace browser
