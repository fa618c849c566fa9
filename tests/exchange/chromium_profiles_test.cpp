#include "exchange/chromium_profiles.h"

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

// One candidate per profile folder that holds a "Bookmarks" file, under
// each browser's own folder of the right application-data folder.
TEST(ChromiumProfiles, OneCandidatePerProfileHoldingBookmarks) {
  TempFolder temp;
  AppDataFolders folders{temp.Path("local"), temp.Path("roaming")};
  const char* const files[] = {
      "local/Google/Chrome/User Data/Default/Bookmarks",
      "local/Google/Chrome/User Data/Profile 2/Bookmarks",
      "local/Google/Chrome/User Data/System Profile/Preferences",
      "local/Microsoft/Edge/User Data/Default/Bookmarks",
      "local/Vivaldi/User Data/Default/Bookmarks.bak",
      "roaming/Opera Software/Opera Stable/Bookmarks",
      "roaming/BraveSoftware/Brave-Browser/User Data/Default/Bookmarks",  // the wrong root
  };
  for (const char* file : files) {
    fs::path path = temp.Path(file);
    fs::create_directories(path.parent_path());
    importtest::WriteFile(path.string(), "{}");
  }
  const struct {
    int code;
    std::vector<std::string> labels;
    std::vector<std::string> files;
  } cases[] = {
      {13,
       {"Chrome Default", "Chrome Profile 2"},
       {"local/Google/Chrome/User Data/Default/Bookmarks",
        "local/Google/Chrome/User Data/Profile 2/Bookmarks"}},
      {14, {"Edge Default"}, {"local/Microsoft/Edge/User Data/Default/Bookmarks"}},
      {15, {}, {}},
      {16, {}, {}},
      {17, {"Opera Opera Stable"}, {"roaming/Opera Software/Opera Stable/Bookmarks"}},
      {2, {}, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> labels, paths;
    for (const ProfileCandidate& found : FindChromiumProfiles(c.code, folders, Subfolders)) {
      labels.push_back(found.label);
      paths.push_back(found.path);
    }
    std::vector<std::string> expected;
    for (const std::string& file : c.files) expected.push_back(temp.Path(file));
    EXPECT_EQ(labels, c.labels) << c.code;
    EXPECT_EQ(paths, expected) << c.code;
  }
}

}  // namespace
