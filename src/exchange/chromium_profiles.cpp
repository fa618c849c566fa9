#include "exchange/chromium_profiles.h"

#include "exchange/import_sources.h"
#include "platform/platform.h"

std::string JoinBelow(std::string folder, const std::string& relative) {
  if (!folder.empty() && !platform::IsPathSeparator(folder.back()))
    folder += platform::PreferredSeparator();
  for (char c : relative) folder += c == '\\' ? platform::PreferredSeparator() : c;
  return folder;
}

std::vector<ProfileCandidate> FindChromiumProfiles(int sourceCode, const AppDataFolders& folders,
                                                   const SubfolderLister& listSubfolders) {
  std::vector<ProfileCandidate> found;
  const ImportSource* source = ImportSourceAt(sourceCode);
  if (!source || source->profileRoot == ProfileRoot::kNone) return found;
  const std::string& root =
      source->profileRoot == ProfileRoot::kLocalAppData ? folders.local : folders.roaming;
  if (root.empty()) return found;
  std::string parent = JoinBelow(root, source->profileParent);
  // Opera keeps one profile in its folder itself; the others keep one
  // folder per profile ("Default", "Profile 1", ...).
  if (source->profileRoot == ProfileRoot::kRoamingAppData) {
    std::string file = JoinBelow(parent, source->defaultFile);
    size_t cut = platform::LastSeparator(parent);
    std::string name = cut == std::string::npos ? parent : parent.substr(cut + 1);
    if (platform::FileExists(file.c_str()))
      found.push_back({std::string(source->shortName) + " " + name, file});
    return found;
  }
  for (const std::string& profile : listSubfolders(parent)) {
    std::string file = JoinBelow(JoinBelow(parent, profile), source->defaultFile);
    if (platform::FileExists(file.c_str()))
      found.push_back({std::string(source->shortName) + " " + profile, file});
  }
  return found;
}
