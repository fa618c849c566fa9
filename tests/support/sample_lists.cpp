#include "support/sample_lists.h"

#include <gtest/gtest.h>

#include "list/encryption.h"
#include "list/list_file.h"
#include "list/list_save.h"

namespace listtest {

void FillSample(BookmarkList& list, int bookmarks) {
  uint16_t first = 0;
  for (int n = 0; n < bookmarks; ++n) {
    if (n % 50 == 0) {
      BookmarkItem category, sub;
      category.level = kLevelCategory;
      category.title = "Category " + std::to_string(n / 50);
      list.AddItem(kRootIndex, category, 0);
      sub.level = kLevelSubcategory;
      sub.title = "Sub " + std::to_string(n / 50);
      list.AddItem(kRootIndex, sub, 0);
    }
    BookmarkItem b;
    b.level = kLevelBookmark;
    b.title = "Site " + std::to_string(n);
    b.url = "https://site" + std::to_string(n) + ".example/";
    b.login = "user" + std::to_string(n);
    b.password = "pass" + std::to_string(n) + "word";
    b.notes = "Note of site " + std::to_string(n);
    uint16_t index = list.AddItem(kRootIndex, b, 0);
    if (n == 0) first = index;
  }
  if (first != 0) {
    BookmarkItem record;
    list.DecodeInto(first, false, &record);
    list.AddAlias(kRootIndex, first, record.id);
  }
  // Adding leaves the has-log-in flag to the next encoding: settle it now,
  // so the file reads back as it was written.
  for (uint16_t i = list.Next(kRootIndex, false); i != kRootIndex; i = list.Next(i, false)) {
    if (list.IsAlias(i)) continue;
    BookmarkItem record;
    list.DecodeInto(i, false, &record);
    list.Encode(record);
  }
}

std::string WriteSampleFile(const std::string& path, int bookmarks, uint32_t now) {
  BookmarkList list;
  list.clock = [now] { return now; };
  list.salt = "Ab3dE5gH7j";
  FillSample(list, bookmarks);
  uint32_t error = 0;
  EXPECT_EQ(WriteListFile(list, path, &error), kSaveOk) << error;
  std::string bytes;
  EXPECT_EQ(platform::ReadWholeFile(path.c_str(), &bytes), 0u);
  return bytes;
}

std::unique_ptr<BookmarkList> OpenListFile(const std::string& path, const std::string& password) {
  auto list = std::make_unique<BookmarkList>();
  EncryptionOf(*list);
  ListResult header = ReadHeader(*list, path);
  EXPECT_TRUE(HeaderAllowsLoading(header)) << ResultName(header);
  if (!password.empty()) {
    EXPECT_TRUE(CheckPassword(*list, password, true));
  }
  ListResult loaded = LoadLines(*list, 0);
  EXPECT_EQ(loaded, ListResult::ReadWrite) << ResultName(loaded);
  list->readOnly = header != ListResult::ReadWrite;
  return list;
}

uint16_t FindTitle(BookmarkList& list, const std::string& title) {
  for (uint16_t i = list.Next(kRootIndex, false); i != kRootIndex; i = list.Next(i, false)) {
    BookmarkItem record;
    list.DecodeInto(i, false, &record);
    if (record.title == title) return i;
  }
  return 0;
}

}  // namespace listtest
