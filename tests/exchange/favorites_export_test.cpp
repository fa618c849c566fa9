#include "exchange/favorites_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/favorites_import.h"
#include "platform/folder_listing.h"
#include "platform/platform.h"
#include "platform/shell_link.h"
#include "support/import_test_support.h"
#include "support/temp_folder.h"
#include "util/messages.h"

namespace {

uint16_t Add(BookmarkList& list, int level, const std::string& title, const std::string& url = "",
             uint16_t flags = 0) {
  BookmarkItem item;
  item.level = static_cast<int8_t>(level);
  item.flags = level == kLevelBookmark ? kFlagBookmark : flags;
  item.title = title;
  item.url = url;
  return list.AddItem(kRootIndex, item, 0);
}

// The answers given to message boxes, and the texts shown.
std::vector<int> answers;
std::vector<std::string> shown;

int Answer(void*, const std::string& text, const std::string& caption, unsigned type) {
  shown.push_back(caption + "|" + text);
  EXPECT_EQ(type & 0xF, platform::kMbOkCancel);
  if (answers.empty()) return platform::kIdOk;
  int answer = answers.front();
  answers.erase(answers.begin());
  return answer;
}

class FavoritesExport : public ::testing::Test {
 protected:
  FavoritesExport() {
    answers.clear();
    shown.clear();
    SetMessageBoxHandler(Answer);
  }
  ~FavoritesExport() override { SetMessageBoxHandler(nullptr); }
};

std::vector<std::string> Names(const std::string& folder) {
  std::vector<platform::FolderEntry> entries;
  EXPECT_TRUE(platform::ListFolder(folder, &entries)) << folder;
  std::vector<std::string> names;
  for (const auto& entry : entries) names.push_back(entry.name + (entry.isFolder ? "/" : ""));
  return names;
}

TEST_F(FavoritesExport, WrittenFolderImportsBackAsTheSameOutline) {
  BookmarkList list;
  importtest::FixClock(list);
  Add(list, 0, "Computing");
  Add(list, 1, "Languages");
  Add(list, 2, "C++ reference", "https://cpp.example/");
  Add(list, 2, "Rust: the book", "https://rust.example/book/");
  Add(list, 1, "Tools");
  Add(list, 2, "Mail the team", "mailto:team@example.com");
  Add(list, 1, "Separated", "", kFlagSeparator);
  Add(list, 0, "News");
  Add(list, 1, "Daily");
  Add(list, 2, std::string(70, 'L'), "ftp://long.example/");
  Add(list, 2, "  ", "gopher://untitled.example/");

  TempFolder target;
  std::vector<FavoriteSkip> skipped;
  ASSERT_EQ(ExportFavoritesFolder(list, nullptr, target.Path(""), {}, &skipped), 0);
  EXPECT_TRUE(skipped.empty());
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(Names(target.Path("")), (std::vector<std::string>{"Computing/", "News/"}));
  EXPECT_EQ(Names(target.Path("Computing")), (std::vector<std::string>{"Languages/", "Tools/"}));
  EXPECT_EQ(Names(target.Path("Computing/Languages")),
            (std::vector<std::string>{"C++ reference.url", "Rust  the book.url"}));
  EXPECT_EQ(Names(target.Path("News/Daily")),
            (std::vector<std::string>{"(No title).url", std::string(61, 'L') + "....url"}));
  std::string bytes;
  ASSERT_EQ(
      platform::ReadWholeFile(target.Path("Computing/Tools/Mail the team.url").c_str(), &bytes),
      0u);
  EXPECT_EQ(bytes, "[InternetShortcut]\r\nURL=mailto:team@example.com\r\n");

  BookmarkList back;
  importtest::FixClock(back);
  ASSERT_EQ(ImportFavoritesFolder(back, target.Path(""), -1, 0), 0);
  const std::vector<std::string> expected = {
      "C Computing",
      "S Languages",
      "B C++ reference|https://cpp.example/",
      "B Rust  the book|https://rust.example/book/",
      "S Tools",
      "B Mail the team|mailto:team@example.com",
      "C News",
      "S Daily",
      "B (No title)|gopher://untitled.example/",
      "B " + std::string(61, 'L') + "...|ftp://long.example/",
  };
  EXPECT_EQ(importtest::Outline(back), expected);

  // A second export over the first replaces the files; the folders stay.
  ASSERT_EQ(ExportFavoritesFolder(list, nullptr, target.Path(""), {}, nullptr), 0);
  EXPECT_EQ(ExportFavoritesFolder(list, nullptr, target.Path("Missing"), {}, nullptr), -1);
}

TEST_F(FavoritesExport, SelectionAndSameTitlesAndUnwritableBookmarks) {
  BookmarkList list;
  importtest::FixClock(list);
  uint16_t kept = Add(list, 0, "Kept");
  uint16_t sub = Add(list, 1, "Sub");
  uint16_t first = Add(list, 2, "Twin", "https://first.example/");
  uint16_t second = Add(list, 2, "Twin", "https://second.example/");
  uint16_t folder = Add(list, 2, "Windows folder", "C:\\Windows");
  uint16_t program = Add(list, 2, "Editor", "C:\\Tools\\edit.exe /n notes.txt");
  Add(list, 2, "Unmarked", "https://unmarked.example/");
  Add(list, 0, "Left out");
  Add(list, 1, "Below it");
  Add(list, 2, "Also left out", "https://left.example/");
  for (uint16_t index : {kept, sub, first, second, folder, program})
    list.SetFlags(index, kFlagMarked, 1);

  TempFolder target;
  std::vector<FavoriteSkip> skipped;
  answers = {platform::kIdOk, platform::kIdOk};
  ASSERT_EQ(ExportFavoritesFolder(list, nullptr, target.Path(""), {true, false}, &skipped), 0);
  EXPECT_EQ(Names(target.Path("")), std::vector<std::string>{"Kept/"});
  std::vector<std::string> files = Names(target.Path("Kept/Sub"));
  // The later bookmark of a title overwrites the earlier one's file. The
  // bare folder cannot be a link; the program can only where the system
  // has shell links.
  const bool links = platform::ShellLinksAvailable();
  BookmarkList back;
  ASSERT_EQ(ImportFavoritesFolder(back, target.Path("Kept/Sub"), 1, 0), 0);
  std::vector<std::string> expected = {"C Uncategorized", "S Uncategorized"};
  if (links) expected.push_back("B Editor|C:\\Tools\\edit.exe /n notes.txt");
  expected.push_back("B Twin|https://second.example/");
  EXPECT_EQ(importtest::Outline(back), expected);

  ASSERT_EQ(skipped.size(), links ? 1u : 2u);
  EXPECT_EQ(skipped[0].title, "Windows folder");
  EXPECT_EQ(skipped[0].category, "Kept");
  EXPECT_EQ(skipped[0].subcategory, "Sub");
  EXPECT_EQ(skipped[0].reason, FavoriteSkipReason::kNotAProgramPath);
  EXPECT_EQ(skipped[0].code, -1);
  if (!links) {
    EXPECT_EQ(skipped[1].reason, FavoriteSkipReason::kNoShellLinks);
  }
  ASSERT_EQ(shown.size(), skipped.size());
  EXPECT_EQ(shown[0],
            "Export Problem|It was not possible to export the following bookmark:\n\n"
            "Kept :: Sub :: Windows folder\n\nThis is most likely because the shortcut name "
            "contains a\ncharacter that Windows does not allow in file names.");
  EXPECT_EQ(files.size(), links ? 2u : 1u);

  // Cancel at the first problem ends the export with its code; what was
  // written before stays, nothing after it is written.
  TempFolder cancelled;
  shown.clear();
  answers = {platform::kIdCancel};
  EXPECT_EQ(ExportFavoritesFolder(list, nullptr, cancelled.Path(""), {false, false}, nullptr), -1);
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_EQ(Names(cancelled.Path("Kept/Sub")), std::vector<std::string>{"Twin.url"});
  EXPECT_EQ(Names(cancelled.Path("")), std::vector<std::string>{"Kept/"});
}

}  // namespace
