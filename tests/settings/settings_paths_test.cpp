#include "settings/settings_paths.h"

#include <gtest/gtest.h>

#include "platform/platform.h"

TEST(SettingsPaths, StoredFormIsRelativeOnlyInsideTheFolder) {
  const std::string path = "C:\\App\\Lists\\My.bkl";
  const struct {
    const char* relative;  // what the system's relative-path function gave
    std::string stored;
  } cases[] = {
      {".\\Lists\\My.bkl", "Lists\\My.bkl"},
      {".\\.\\Lists\\My.bkl", "Lists\\My.bkl"},
      {"\\Lists\\My.bkl", "Lists\\My.bkl"},
      {".\\\\Lists\\My.bkl", "Lists\\My.bkl"},
      {".\\..folder\\My.bkl", "..folder\\My.bkl"},  // a name that starts with dots
      {"..\\Other\\My.bkl", path},                  // outside: absolute
      {"..", path},
      {"", path},   // no relative path (another drive)
      {".", path},  // the folder itself stays absolute, not "unset"
      {".\\", path},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StoredPathFromRelative(path, c.relative), c.stored) << c.relative;
}

TEST(SettingsPaths, RelativeStoredPathsResolveBelowTheFolder) {
  const struct {
    const char* folder;
    const char* stored;
    const char* resolved;
  } cases[] = {
      {"C:\\New\\", "Lists\\My.bkl", "C:\\New\\Lists\\My.bkl"},
      {"C:\\New\\", "C:\\Elsewhere\\My.bkl", "C:\\Elsewhere\\My.bkl"},
      {"C:\\New\\", "\\\\server\\share\\My.bkl", "\\\\server\\share\\My.bkl"},
      {"C:\\New\\", "", ""},
      {"", "Lists\\My.bkl", "Lists\\My.bkl"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResolveStoredPath(c.folder, c.stored), c.resolved) << c.folder << " " << c.stored;
  // A folder given without its trailing separator gains one.
  EXPECT_EQ(ResolveStoredPath("C:\\New", "Lists\\My.bkl"),
            "C:\\New" + std::string(1, platform::PreferredSeparator()) + "Lists\\My.bkl");
}

TEST(SettingsPaths, SettingsPathsResolveTogether) {
  Settings settings;
  settings.appFolder = "D:\\Moved\\";
  settings.listFolder = "Lists";
  settings.lists = {{"Mine", "Lists\\My.bkl", 0}, {"Other", "E:\\Other.bkl", 3}};
  ResolveSettingsPaths(&settings);
  EXPECT_EQ(settings.listFolder, "D:\\Moved\\Lists");
  EXPECT_EQ(settings.lists[0].path, "D:\\Moved\\Lists\\My.bkl");
  EXPECT_EQ(settings.lists[1].path, "E:\\Other.bkl");
}
