// The Windows build's favorites folders: programs become shell links, and
// reading the folder back resolves them to the same address.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/favorites_export.h"
#include "exchange/favorites_import.h"
#include "platform/shell_link.h"
#include "support/import_test_support.h"
#include "support/temp_folder.h"
#include "util/messages.h"

namespace {

int NoMessageExpected(void*, const std::string& text, const std::string&, unsigned) {
  ADD_FAILURE() << text;
  return 2;  // Cancel
}

TEST(FavoritesFolder, ProgramWithArgumentsIsAShellLinkThatReadsBack) {
  const std::string program = "C:\\windows\\notepad.exe";
  const std::string address = program + " /p \"read me.txt\"";
  BookmarkList list;
  importtest::FixClock(list);
  for (int level = 0; level < 2; ++level) {
    BookmarkItem container;
    container.level = static_cast<int8_t>(level);
    container.title = level == 0 ? "Programs" : "Editors";
    list.AddItem(kRootIndex, container, 0);
  }
  BookmarkItem bookmark;
  bookmark.level = kLevelBookmark;
  bookmark.flags = kFlagBookmark;
  bookmark.title = "Notepad: print";
  bookmark.url = address;
  list.AddItem(kRootIndex, bookmark, 0);

  TempFolder target;
  SetMessageBoxHandler(NoMessageExpected);
  int result = ExportFavoritesFolder(list, nullptr, target.Path(""), {}, nullptr);
  SetMessageBoxHandler(nullptr);
  ASSERT_EQ(result, 0);

  std::string read;
  ASSERT_EQ(platform::ReadShellLink(target.Path("Programs\\Editors\\Notepad  print.lnk"), &read),
            0);
  EXPECT_EQ(read, address);

  BookmarkList back;
  ASSERT_EQ(ImportFavoritesFolder(back, target.Path(""), -1, 0), 0);
  const std::vector<std::string> expected = {"C Programs", "S Editors",
                                             "B Notepad  print|" + address};
  EXPECT_EQ(importtest::Outline(back), expected);

  // A link without arguments reads back as the bare path.
  ASSERT_EQ(platform::WriteShellLink(program, target.Path("bare.lnk"), ""), 0);
  ASSERT_EQ(platform::ReadShellLink(target.Path("bare.lnk"), &read), 0);
  EXPECT_EQ(read, program + " ");
}

}  // namespace
