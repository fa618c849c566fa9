#include "exchange/profile_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/import_test_support.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Subfolders(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The profile box of every kind of row against one fake pair of
// application-data folders: the remembered path first, then one candidate
// per profile folder that holds the row's file.
TEST(ProfilePaths, CandidatesOfEachRowInAFakeApplicationDataTree) {
  TempFolder temp;
  const char* const files[] = {
      "roaming/Mozilla/Firefox/Profiles/k3v9.default/places.sqlite",
      "roaming/Mozilla/Firefox/Profiles/q7x2.default-release/places.sqlite",
      "roaming/Mozilla/Firefox/Profiles/w1z4.dev-edition-default/times.json",
      "roaming/Mozilla/Firefox/Profiles/k3v9.default/bookmarks.html",
      "roaming/Mozilla/SeaMonkey/Profiles/m2n5.default/bookmarks.html",
      "roaming/Moonchild Productions/Pale Moon/Profiles/p0p0.default/places.sqlite",
      "local/Google/Chrome/User Data/Default/Bookmarks",
      "local/Google/Chrome/User Data/Profile 1/Bookmarks",
      "local/Google/Chrome/User Data/Guest Profile/Preferences",
      "local/Microsoft/Edge/User Data/Default/Bookmarks",
  };
  for (const char* file : files) {
    fs::path path = temp.Path(file);
    fs::create_directories(path.parent_path());
    importtest::WriteFile(path.string(), "x");
  }
  ProfileEnvironment env;
  env.appData = {temp.Path("local"), temp.Path("roaming")};
  env.userName = "ada";
  env.favorites = "C:\\Users\\ada\\Favorites";
  env.commonFavorites = "C:\\Users\\Public\\Favorites";
  env.listSubfolders = Subfolders;
  const std::string firefox = "roaming/Mozilla/Firefox/Profiles/";
  const std::string chrome = "local/Google/Chrome/User Data/";
  const struct {
    int code;
    std::string lastUsed;
    std::vector<std::string> labels;
    std::vector<std::string> paths;  // inside temp unless absolute
  } cases[] = {
      {1,
       "",
       {"Firefox k3v9.default", "Firefox q7x2.default-release"},
       {firefox + "k3v9.default/places.sqlite", firefox + "q7x2.default-release/places.sqlite"}},
      {2,
       "D:\\saved.html",
       {"Last used", "SeaMonkey m2n5.default", "Firefox (v.2) k3v9.default"},
       {"D:\\saved.html", "roaming/Mozilla/SeaMonkey/Profiles/m2n5.default/bookmarks.html",
        firefox + "k3v9.default/bookmarks.html"}},
      {7,
       "",
       {"Pale Moon p0p0.default"},
       {"roaming/Moonchild Productions/Pale Moon/Profiles/p0p0.default/places.sqlite"}},
      {13,
       "",
       {"Chrome Default", "Chrome Profile 1"},
       {chrome + "Default/Bookmarks", chrome + "Profile 1/Bookmarks"}},
      {14,
       "E:\\Bookmarks",
       {"Last used", "Edge Default"},
       {"E:\\Bookmarks", "local/Microsoft/Edge/User Data/Default/Bookmarks"}},
      {15, "", {}, {}},
      {0,
       "",
       {"ada", "All users (shared)"},
       {"C:\\Users\\ada\\Favorites", "C:\\Users\\Public\\Favorites"}},
      {18, "F:\\x", {}, {}},
  };
  for (const auto& c : cases) {
    env.lastUsed = c.lastUsed;
    std::vector<std::string> labels, paths, expected;
    for (const ProfileCandidate& found : FindProfilePaths(c.code, env)) {
      labels.push_back(found.label);
      paths.push_back(fs::path(found.path).lexically_normal().string());
    }
    for (const std::string& path : c.paths)
      expected.push_back(path.find('\\') != std::string::npos
                             ? path
                             : fs::path(temp.Path(path)).lexically_normal().string());
    EXPECT_EQ(labels, c.labels) << c.code;
    EXPECT_EQ(paths, expected) << c.code;
  }
}

}  // namespace
