#include "support/import_test_support.h"

#include <gtest/gtest.h>

#include "list/list_file.h"
#include "platform/platform.h"
#include "support/list_test_support.h"

namespace importtest {

std::vector<std::string> Outline(BookmarkList& list) {
  static const char kLevel[] = {'C', 'S', 'B'};
  std::vector<std::string> rows;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) {
    BookmarkItem item;
    list.DecodeInto(i, false, &item);
    char level = item.level >= 0 && item.level <= 2 ? kLevel[item.level] : '?';
    if (list.IsAlias(i)) {
      BookmarkItem target;
      list.DecodeInto(list.Target(i), false, &target);
      rows.push_back("A " + target.title);
    } else if (item.flags & kFlagSeparator) {
      rows.push_back(std::string("-") + level);
    } else if (item.level == kLevelBookmark) {
      rows.push_back(std::string("B ") + item.title + "|" + item.url);
    } else {
      rows.push_back(std::string(1, level) + " " + item.title);
    }
  }
  return rows;
}

BookmarkItem ItemAt(BookmarkList& list, size_t n) {
  uint16_t i = list.Next(0, false);
  for (size_t k = 0; k < n && i != 0; ++k) i = list.Next(i, false);
  BookmarkItem item;
  if (i == 0) {
    ADD_FAILURE() << "no item " << n;
    return item;
  }
  list.DecodeInto(i, false, &item);
  return item;
}

void FixClock(BookmarkList& list, uint32_t now) {
  list.clock = [now] { return now; };
}

void ExpectRoundTrip(BookmarkList& list, const std::string& path) {
  platform::File file;
  ASSERT_EQ(file.Open(path.c_str(), platform::FileAccess::kCreateWrite), 0u);
  ASSERT_EQ(WriteList(list, file), WriteResult::Ok);
  file.Close();
  BookmarkList reloaded;
  reloaded.clock = list.clock;
  ListResult result = listtest::Open(reloaded, path);
  ASSERT_TRUE(result == ListResult::ReadWrite || result == ListResult::ReadOnly)
      << ResultName(result) << "\n"
      << listtest::ReadBytes(path);
  reloaded.file.Close();
  EXPECT_EQ(Outline(reloaded), Outline(list));
  EXPECT_EQ(listtest::ItemLines(listtest::Render(reloaded)),
            listtest::ItemLines(listtest::Render(list)));
}

void WriteFile(const std::string& path, const std::string& bytes) {
  ASSERT_EQ(platform::WriteWholeFile(path.c_str(), bytes), 0u);
}

}  // namespace importtest
