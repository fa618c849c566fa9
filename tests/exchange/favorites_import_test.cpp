#include "exchange/favorites_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/favorites_export.h"
#include "exchange/import_sources.h"
#include "platform/platform.h"
#include "support/import_test_support.h"
#include "support/temp_folder.h"

namespace {

std::string UrlFile(const std::string& address) {
  return "[InternetShortcut]\r\nURL=" + address + "\r\n";
}

// A favorites tree: shortcuts in the chosen folder itself, in a folder, in
// its sub-folder and in a folder below that, plus files that are no
// shortcuts and an empty folder.
void MakeTree(const TempFolder& root) {
  using importtest::WriteFile;
  for (const char* folder : {"News", "News/Local", "News/Local/Deep", "Empty"})
    ASSERT_EQ(platform::CreateFolder(root.Path(folder).c_str()), 0u) << folder;
  WriteFile(root.Path("Alpha.url"), UrlFile("https://alpha.example/"));
  WriteFile(root.Path("Beta.URL"), "[DEFAULT]\r\n" + UrlFile(" http://beta.example/ "));
  WriteFile(root.Path("No address.url"), "[InternetShortcut]\r\nIconIndex=0\r\n");
  WriteFile(root.Path("readme.txt"), UrlFile("https://not-a-shortcut.example/"));
  WriteFile(root.Path("noextension"), UrlFile("https://no-extension.example/"));
  WriteFile(root.Path("News/Daily.url"), UrlFile("https://daily.example/"));
  WriteFile(root.Path("News/Local/Town.url"), UrlFile("https://town.example/"));
  WriteFile(root.Path("News/Local/Deep/Street.url"), UrlFile("https://street.example/"));
}

TEST(FavoritesImport, FoldersBecomeTheOutlineFilesFirst) {
  TempFolder root;
  MakeTree(root);
  // A last-write time before the file's creation is the earlier one.
  ASSERT_EQ(platform::SetFileLastWriteTime(root.Path("Alpha.url").c_str(), 1000000000), 0u);
  BookmarkList list;
  importtest::FixClock(list);
  ASSERT_EQ(ImportFavoritesFolder(list, root.Path(""), -1, 3), 0);
  const std::vector<std::string> expected = {
      "C Uncategorized",
      "S Uncategorized",
      "B Alpha|https://alpha.example/",
      "B Beta|http://beta.example/",
      "C Empty",
      "C News",
      "S Uncategorized",
      "B Daily|https://daily.example/",
      "S Local",
      "B Town|https://town.example/",
      "S Deep",
      "B Street|https://street.example/",
  };
  EXPECT_EQ(importtest::Outline(list), expected);
  BookmarkItem alpha = importtest::ItemAt(list, 2);
  EXPECT_EQ(alpha.timeAdded, 1000000000u);
  EXPECT_EQ(alpha.rating, 3);
  EXPECT_EQ(alpha.flags & kFlagBookmark, kFlagBookmark);
  BookmarkItem daily = importtest::ItemAt(list, 7);
  EXPECT_GT(daily.timeAdded, 1000000000u);
  EXPECT_LE(daily.timeAdded, platform::FileLastWriteTime(root.Path("News/Daily.url").c_str()));

  // A folder imported as a category's content: its files need only the
  // subcategory filler, its sub-folders are subcategories.
  BookmarkList nested;
  importtest::FixClock(nested);
  BookmarkItem category;
  category.level = kLevelCategory;
  category.title = "Imported";
  nested.AddItem(kRootIndex, category, 0);
  ASSERT_EQ(ImportFavoritesFolder(nested, root.Path("News"), 0, 0), 0);
  const std::vector<std::string> nestedExpected = {
      "C Imported",
      "S Uncategorized",
      "B Daily|https://daily.example/",
      "S Local",
      "B Town|https://town.example/",
      "S Deep",
      "B Street|https://street.example/",
  };
  EXPECT_EQ(importtest::Outline(nested), nestedExpected);
}

TEST(FavoritesImport, FolderRowsOfTheSourceAndTargetTables) {
  TempFolder root;
  importtest::WriteFile(root.Path("Only.url"), UrlFile("https://only.example/"));
  // A shell link is read where the system has them; here it is skipped.
  importtest::WriteFile(root.Path("Program.lnk"), "not a link");
  for (int code : {kFavoritesSource, kStartMenuSource}) {
    const ImportSource* row = ImportSourceAt(code);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->pattern, nullptr) << "a folder row";
    BookmarkList list;
    ASSERT_EQ(row->import(list, root.Path(""), 0), 0);
    const std::vector<std::string> expected = {"C Uncategorized", "S Uncategorized",
                                               "B Only|https://only.example/"};
    EXPECT_EQ(importtest::Outline(list), expected);
    BookmarkList missing;
    EXPECT_EQ(row->import(missing, root.Path("Missing"), 0), -1);
    EXPECT_EQ(missing.itemCount, 0);
  }
  // The export formats of the same folders propose the same rows' paths.
  for (int index = 0; index < kFavoritesTargetCount; ++index) {
    const FavoritesTarget* target = FavoritesTargetAt(index);
    ASSERT_NE(target, nullptr);
    EXPECT_STREQ(ImportSourceAt(target->sourceCode)->key, target->key);
  }
  EXPECT_STREQ(FavoritesTargetAt(1)->displayName, "&Start Menu shortcuts");
  EXPECT_EQ(FavoritesTargetAt(kFavoritesTargetCount), nullptr);
}

}  // namespace
