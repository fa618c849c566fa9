#include "exchange/profile_paths.h"

#include "exchange/import_sources.h"
#include "platform/platform.h"

namespace {

constexpr int kFirefoxSource = 1;
constexpr int kAolSource = 3;
constexpr int kMsnSource = 5;
constexpr int kPaleMoonSource = 7;
constexpr int kEarlierListSource = 12;

std::string LastComponent(std::string path) {
  while (!path.empty() && platform::IsPathSeparator(path.back())) path.pop_back();
  size_t cut = platform::LastSeparator(path);
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

class Candidates {
 public:
  explicit Candidates(const ProfileEnvironment& env) : env_(env) {}

  void Add(const std::string& label, const std::string& path) {
    if (!path.empty()) found_.push_back({label, path});
  }
  // Each profile folder directly inside parent that holds file, labelled
  // prefix + its name.
  void AddProfiles(const std::string& parent, const std::string& prefix, const char* file) {
    if (!env_.listSubfolders || parent.empty()) return;
    for (const std::string& profile : env_.listSubfolders(parent)) {
      std::string path = JoinBelow(JoinBelow(parent, profile), file);
      if (platform::FileExists(path.c_str())) Add(prefix + profile, path);
    }
  }
  // A profile folder that holds file, as a whole.
  void AddIfHolding(const std::string& label, const std::string& folder, const char* file) {
    std::string path = JoinBelow(folder, file);
    if (platform::FileExists(path.c_str())) Add(label, path);
  }
  std::vector<ProfileCandidate> Take() { return std::move(found_); }

 private:
  const ProfileEnvironment& env_;
  std::vector<ProfileCandidate> found_;
};

}  // namespace

std::vector<ProfileCandidate> FindProfilePaths(int sourceCode, const ProfileEnvironment& env) {
  Candidates found(env);
  const ImportSource* source = ImportSourceAt(sourceCode);
  if (!source) return found.Take();
  found.Add(kLastUsedLabel, env.lastUsed);
  const std::string roaming = env.appData.roaming;
  const std::string mozilla = roaming.empty() ? std::string() : JoinBelow(roaming, "Mozilla");
  switch (sourceCode) {
    case kFavoritesSource:
      found.Add(env.userName, env.favorites);
      found.Add(kSharedLabel, env.commonFavorites);
      break;
    case kStartMenuSource:
      found.Add(env.userName, env.programs);
      found.Add(kSharedLabel, env.commonPrograms);
      break;
    case kFirefoxSource:
      if (!mozilla.empty())
        found.AddProfiles(JoinBelow(mozilla, "Firefox\\Profiles"), "Firefox ", source->defaultFile);
      break;
    case kNetscapeSource:
      if (mozilla.empty()) break;
      found.AddProfiles(JoinBelow(mozilla, "SeaMonkey\\Profiles"), "SeaMonkey ",
                        source->defaultFile);
      found.AddProfiles(JoinBelow(mozilla, "Profiles"), "", source->defaultFile);
      found.AddProfiles(JoinBelow(mozilla, "Firefox\\Profiles"), "Firefox (v.2) ",
                        source->defaultFile);
      break;
    case kPaleMoonSource:
      if (!roaming.empty())
        found.AddProfiles(JoinBelow(roaming, "Moonchild Productions\\Pale Moon\\Profiles"),
                          "Pale Moon ", source->defaultFile);
      break;
    case kMsnSource:
      if (roaming.empty()) break;
      for (const auto& user : env.msnUsers) {
        std::string path = JoinBelow(roaming, std::string("MSN") + env.msnVersion + "\\UserData");
        found.Add("MSN " + user.first,
                  JoinBelow(JoinBelow(path, user.second), source->defaultFile));
      }
      break;
    case kOperaHotlistSource:
      if (env.operaFolder.empty()) break;
      if (!roaming.empty())
        found.AddIfHolding(
            env.userName,
            JoinBelow(JoinBelow(roaming, "Opera\\" + LastComponent(env.operaFolder)), "profile"),
            source->defaultFile);
      found.AddIfHolding(kSharedLabel, JoinBelow(env.operaFolder, "profile"), source->defaultFile);
      break;
    case kEarlierListSource:
      found.Add(source->shortName, env.earlierProductFolder);
      break;
    case kAolSource:
      break;
    default: {
      std::vector<ProfileCandidate> rest = found.Take();
      SubfolderLister lister = env.listSubfolders;
      if (!lister) lister = [](const std::string&) { return std::vector<std::string>(); };
      for (ProfileCandidate& profile : FindChromiumProfiles(sourceCode, env.appData, lister))
        rest.push_back(std::move(profile));
      return rest;
    }
  }
  return found.Take();
}
