#include "settings/settings_paths.h"

#include "platform/platform.h"

std::string StoredPathFromRelative(const std::string& path, const std::string& relative) {
  size_t start = 0;
  while (relative.size() >= start + 2 && relative[start] == '.' &&
         platform::IsPathSeparator(relative[start + 1]))
    start += 2;
  if (start < relative.size() && platform::IsPathSeparator(relative[start])) ++start;
  std::string rest = relative.substr(start);
  bool leavesFolder =
      rest == ".." || (rest.compare(0, 2, "..") == 0 && platform::IsPathSeparator(rest[2]));
  if (rest.empty() || rest == "." || leavesFolder) return path;
  return rest;
}

bool IsAbsolutePath(const std::string& path) {
  return (!path.empty() && platform::IsPathSeparator(path[0])) ||
         (path.size() >= 2 && path[1] == ':');
}

std::string ResolveStoredPath(const std::string& appFolder, const std::string& stored) {
  if (stored.empty() || appFolder.empty() || IsAbsolutePath(stored)) return stored;
  std::string path = appFolder;
  if (!platform::IsPathSeparator(path.back())) path += platform::PreferredSeparator();
  return path + stored;
}

void ResolveSettingsPaths(Settings* settings) {
  settings->listFolder = ResolveStoredPath(settings->appFolder, settings->listFolder);
  for (KnownListEntry& list : settings->lists)
    list.path = ResolveStoredPath(settings->appFolder, list.path);
}
