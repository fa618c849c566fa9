#include "list/list_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/item_codec.h"
#include "support/list_test_support.h"

using listtest::ListText;
using listtest::ReadBytes;
using listtest::TempFolder;
using listtest::WriteBytes;

namespace {

// A header of exactly n characters before its CR.
std::string HeaderOfLength(size_t n) {
  std::string header = "VELLOXFL/A/0/12/abcdefghij/";
  header += std::string(n - header.size(), 'x');
  return header;
}

TEST(ListHeader, ScanTable) {
  const std::string x36(36, 'x'), x37(37, 'x');
  const char* kX36 = x36.c_str();
  const char* kX37 = x37.c_str();
  struct Case {
    std::string line;  // as read: CR kept
    ListResult result;
    uint32_t options, lastId;
    const char* salt;
    const char* check;
  };
  const Case cases[] = {
      {"VELLOXFL/A/0/9/Ab3dE5gH7j/\r", ListResult::ReadWrite, 0, 9, "Ab3dE5gH7j", ""},
      {"VELLOXFL/A/3/4000000000/salt/CHECKVALUE12\r", ListResult::ReadWrite, 3, 4000000000u, "salt",
       "CHECKVALUE12"},
      {"VELLOXFL/A/1/7/salt/check trailing\r", ListResult::ReadWrite, 1, 7, "salt", "check"},
      {"VELLOXFL/A/0/9//\r", ListResult::ReadWrite, 0, 9, "", ""},
      {"VELLOXFL/A/2\r", ListResult::ReadWrite, 2, 0, "", ""},
      {"VELLOXFL/A/0/9/nosuffix\r", ListResult::ReadWrite, 0, 9, "nosuffix", ""},
      {"VELLOXFL/A", ListResult::ReadWrite, 0, 0, "", ""},
      {"VELLOXFL/B/0/9/salt/\r", ListResult::OtherVersion, 0, 0, "", ""},
      {"VELLOXFL//0/9/salt/\r", ListResult::OtherVersion, 0, 0, "", ""},
      {"VELLOXFL/", ListResult::DamagedHeader, 0, 0, "", ""},
      {"VELLOXFL", ListResult::DamagedHeader, 0, 0, "", ""},
      {"VELLOXFLA/0/9/salt/\r", ListResult::DamagedHeader, 0, 0, "", ""},
      {"VELLOX", ListResult::NotAListFile, 0, 0, "", ""},
      {"", ListResult::NotAListFile, 0, 0, "", ""},
      {"velloxfl/A/0/9/salt/\r", ListResult::NotAListFile, 0, 0, "", ""},
      {std::string("VELL\0XFL/A/0/9/s/\r", 18), ListResult::NotAListFile, 0, 0, "", ""},
      {HeaderOfLength(63) + "\r", ListResult::ReadWrite, 0, 12, "abcdefghij", kX36},
      {HeaderOfLength(64) + "\r", ListResult::DamagedHeader, 0, 0, "", ""},
      {HeaderOfLength(64), ListResult::ReadWrite, 0, 12, "abcdefghij", kX37},  // LF-only end
      {HeaderOfLength(65), ListResult::DamagedHeader, 0, 0, "", ""},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    HeaderFields f;
    ListResult r = ScanHeaderLine(c.line, &f);
    EXPECT_EQ(r, c.result) << "case " << i << ": " << ResultName(r);
    if (r != ListResult::ReadWrite) continue;
    EXPECT_EQ(f.encryptionOptions, c.options) << "case " << i;
    EXPECT_EQ(f.lastId, c.lastId) << "case " << i;
    EXPECT_EQ(f.salt, c.salt) << "case " << i;
    EXPECT_EQ(f.checkValue, c.check) << "case " << i;
  }
}

TEST(ListHeader, ReadHeaderResultsAndFileStaysOpen) {
  TempFolder dir;
  struct Case {
    std::string bytes;
    ListResult result;
  };
  std::string utf16 = std::string("\xFF\xFE", 2);
  for (char c : std::string("VELLOXFL/A/0/5/s/\r\n")) utf16 += std::string{c, '\0'};
  std::string utf16Encrypted = std::string("\xFF\xFE", 2);
  for (char c : std::string("VELLOXFL/A/1/5/s/c\r\n")) utf16Encrypted += std::string{c, '\0'};
  const Case cases[] = {
      {ListText({}), ListResult::ReadWrite},
      {"VELLOXFL/A/0/9/s/", ListResult::ReadWrite},  // a file of only the header
      {"Hello world\r\n", ListResult::NotAListFile},
      {"", ListResult::NotAListFile},
      {std::string(100, '\0'), ListResult::NotAListFile},
      {"VELLOXFL/A/0/9/s/\rID\tLevel\tFlags\tTimeModified\tAliasID\tTitle\tURL\tNotes\r"
       "0\t0\t0\t0\r",
       ListResult::DamagedHeader},  // CR-only line ends: the first line is the whole file
      {utf16, ListResult::Utf16},
      {utf16Encrypted, ListResult::EncryptedUtf16},
      {"VELLOXFL/C/0/9/s/\r\n", ListResult::OtherVersion},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    std::string path = dir.Path("case" + std::to_string(i) + ".bkl");
    WriteBytes(path, cases[i].bytes);
    BookmarkList list;
    EXPECT_EQ(ReadHeader(list, path), cases[i].result) << "case " << i;
    EXPECT_TRUE(list.file.IsOpen()) << "case " << i;
    list.file.Close();
    EXPECT_EQ(ReadBytes(path), cases[i].bytes) << "case " << i;
  }
  BookmarkList missing;
  EXPECT_EQ(ReadHeader(missing, dir.Path("absent.bkl")), ListResult::NotFound);
  EXPECT_EQ(ReadHeader(missing, dir.Path("no/such/folder.bkl")), ListResult::NotFound);
}

TEST(ListHeader, KeyStateAndFieldsFromHeader) {
  TempFolder dir;
  std::string path = dir.Path("l.bkl");
  WriteBytes(path, ListText({}, "VELLOXFL/A/1/77/SaltSaltSa/CheckValue=="));
  BookmarkList list;
  ASSERT_EQ(ReadHeader(list, path), ListResult::ReadWrite);
  EXPECT_EQ(list.encryptionOptions, 1u);
  EXPECT_EQ(list.keyState, 1);
  EXPECT_EQ(list.lastId, 77u);
  EXPECT_EQ(list.salt, "SaltSaltSa");
  EXPECT_EQ(list.checkValue, "CheckValue==");
}

TEST(ListHeader, SecondOpenOfALockedListIsReadOnly) {
  TempFolder dir;
  std::string path = dir.Path("l.bkl");
  WriteBytes(path, ListText({}));
  BookmarkList first, second;
  ASSERT_EQ(ReadHeader(first, path), ListResult::ReadWrite);
  EXPECT_EQ(ReadHeader(second, path), ListResult::ReadOnly);
}

TEST(ListFile, CreateListFileWritesTheNewListShape) {
  TempFolder dir;
  std::string path = dir.Path("new.bkl");
  ASSERT_EQ(CreateListFile(path, false), CreateResult::Ok);
  std::string bytes = ReadBytes(path);
  HeaderFields f;
  std::string header = bytes.substr(0, bytes.find('\n'));
  ASSERT_EQ(ScanHeaderLine(header, &f), ListResult::ReadWrite);
  EXPECT_EQ(f.lastId, 9u);
  EXPECT_EQ(f.encryptionOptions, 0u);
  EXPECT_EQ(f.salt.size(), 10u);
  EXPECT_EQ(f.checkValue, "");
  EXPECT_EQ(header, "VELLOXFL/A/0/9/" + f.salt + "/\r");
  std::vector<std::string> lines = listtest::ItemLines(bytes);
  ASSERT_EQ(lines.size(), 6u);
  const char* titles[] = {"SmartFolders",       "Favorites",      "Due to visit",
                          "Frequently visited", "Recently added", "Recently visited"};
  std::string time = lines[0].substr(6, lines[0].find('\t', 6) - 6);
  for (int i = 0; i < 6; ++i) {
    std::string expected = std::to_string(i + 1) + (i == 0 ? "\t1\t" : "\t2\t") +
                           std::to_string(i == 0 ? 8 : 8 + i) + "\t" + time + "\t\t" + titles[i];
    EXPECT_EQ(lines[i], expected);
  }
  EXPECT_EQ(CreateListFile(path, false), CreateResult::Exists);
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_EQ(CreateListFile(path, true), CreateResult::Ok);
  uint32_t error = 0;
  EXPECT_EQ(CreateListFile(dir.Path("missing/x.bkl"), false, &error), CreateResult::CannotCreate);
  EXPECT_NE(error, 0u);
}

TEST(ListFile, NewListLoadsWithSmartFoldersAndResavesWithARootLine) {
  TempFolder dir;
  std::string path = dir.Path("new.bkl");
  ASSERT_EQ(CreateListFile(path, false), CreateResult::Ok);
  std::string original = ReadBytes(path);
  BookmarkList list;
  ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
  EXPECT_EQ(list.itemCount, 6);
  for (int t = 0; t < kSmartFolderSlots; ++t) EXPECT_EQ(list.smartFolderIndex[t], t + 1);
  std::string saved = listtest::Render(list);
  // Apart from the root line the file comes back as it was.
  std::string expected = original;
  size_t afterColumns = expected.find('\n', expected.find('\n') + 1) + 1;
  expected.insert(afterColumns, "0\t0\t0\t0\r\n");
  EXPECT_EQ(saved, expected);
  // The first item added gets ID 10.
  BookmarkItem item;
  item.level = kLevelCategory;
  item.title = "News";
  uint16_t index = list.AddItem(0, item, 0);
  EXPECT_EQ(list.Decode(index, false).id, 10u);
}

// A realistic list exercising every line shape, including unusual ones.
std::vector<std::string> SampleLines() {
  return {
      "0\t0\t512\t1500000000",
      "1\t1\t8\t1500000000\t\tSmartFolders",
      "2\t2\t9\t1500000000\t\tFavorites",
      "12\t3\t0\t1500000001\t11",
      "3\t2\t10\t1500000000\t\tDue to visit",
      "11\t1\t128\t1500000002\t\tNews\t\tDaily\\nreading\tnews papers",
      "13\t2\t0\t1500000003\t\tWorld",
      "11\t3\t80\t1500000004\t\tBBC\thttp://bbc.co.uk/\tnote\tuk\tme\tpw\tIExplore\t\t4\t1499\t3\t"
      "1500000100\t1500000050\t\t\t3\t\t1500000200",
      "14\t3\t32\t1500000005",
      "15\t3\t16\t1500000006\t\tShort line\thttp://x/ \tnote",
      "18\t3\t0\t1500000009\t\tNo flag bookmark\thttp://n/\textra\tfields\tbeyond\tthe\tcolumns"
      "\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16",
      "16\t2\t2048\t1500000007\t\tDeleted sub",
      "17\t3\t2064\t1500000008\t\tDeleted bm\thttp://d/",
  };
}

TEST(ListFile, UnchangedListIsWrittenBackLineForLine) {
  TempFolder dir;
  std::vector<std::string> lines = SampleLines();
  std::string path = dir.Path("sample.bkl");
  std::string bytes = ListText(lines, "VELLOXFL/A/0/18/abcdefghij/");
  WriteBytes(path, bytes);
  BookmarkList list;
  ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
  EXPECT_EQ(listtest::Render(list), bytes);  // already free of trailing white space
  list.file.Close();
  EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(ListFile, TrailingWhiteSpaceIsLostAndLineEndsNormalised) {
  TempFolder dir;
  std::string path = dir.Path("ws.bkl");
  std::string header = "VELLOXFL/A/0/5/abcdefghij/";
  std::string lf = header + "\n" + std::string(kColumnLine).substr(0, strlen(kColumnLine) - 2) +
                   "\n0\t0\t0\t7 \t\n1\t1\t0\t5\t\tCat  \v\f\t\r\r\n2\t2\t0\t6\t\tSub\t\tnote   ";
  WriteBytes(path, lf);
  BookmarkList list;
  ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
  EXPECT_EQ(listtest::Render(list),
            ListText({"0\t0\t0\t7", "1\t1\t0\t5\t\tCat", "2\t2\t0\t6\t\tSub\t\tnote"}, header));
}

TEST(ListFile, ReadingNeverChangesTheFile) {
  TempFolder dir;
  std::string huge = std::string(1 << 20, 'x');
  const std::string inputs[] = {
      ListText({"1\t1\t0\t5\t\t" + huge, "2\t2\t0\t5\t\tsub"}),
      ListText({"1\t7\t0\t5\t\tbad level", "0\t1\t0\t5\t\tid zero"}),
      ListText({std::string("1\t1\t0\t5\t\tnul\0inside", 20), "2\t2\t0\t5\t\tsub"}),
      "VELLOXFL/A/0/9/s/\r\nID\r\n" + std::string(5000, '\n'),
      "VELLOXFL/A/2/9/s/\r\nID\r\n1\t1\t0\t5\t\tencrypted without a cipher\r\n",
  };
  for (size_t i = 0; i < sizeof inputs / sizeof inputs[0]; ++i) {
    std::string path = dir.Path("in" + std::to_string(i));
    WriteBytes(path, inputs[i]);
    BookmarkList list;
    listtest::Open(list, path);
    list.file.Close();
    EXPECT_EQ(ReadBytes(path), inputs[i]) << "case " << i;
  }
}

TEST(ListFile, LongLinesAndNulBytesSurviveARoundTrip) {
  TempFolder dir;
  std::vector<std::string> lines = {
      "0\t0\t0\t1",
      "1\t1\t0\t5\t\t" + std::string(1 << 20, 'L'),
      std::string("2\t2\t0\t5\t\tNUL\0byte", 17),
      "3\t3\t16\t5\t\tCR\rinside\thttp://x/",
  };
  std::string bytes = ListText(lines);
  std::string path = dir.Path("odd.bkl");
  WriteBytes(path, bytes);
  BookmarkList list;
  ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
  EXPECT_EQ(list.itemCount, 3);
  EXPECT_EQ(listtest::Render(list), bytes);
}

TEST(ListFile, RepairConditionsAreRecorded) {
  struct Case {
    std::vector<std::string> lines;
    bool repair;
  };
  const Case cases[] = {
      {{"1\t1\t0\t5\t\tCat", "2\t2\t0\t5\t\tSub", "3\t3\t16\t5\t\tBm\thttp://x/"}, false},
      {{"1\t1\t0\t5\t\tCat", "2\t2\t32\t5", "3\t3\t16\t5\t\tBm after separator"}, true},
      {{"1\t1\t0\t5\t\tCat", "2\t2\t32\t5", "3\t2\t0\t5\t\tSibling of separator"}, false},
      {{"1\t1\t0\t5\t\tCat", "2\t2\t2048\t5\t\tDeleted", "3\t3\t16\t5\t\tLive child"}, true},
      {{"1\t1\t0\t5\t\tCat", "2\t2\t2048\t5\t\tDeleted", "3\t3\t2064\t5\t\tDeleted child"}, false},
      {{"1\t1\t0\t5\t\tCat", "2\t3\t16\t5\t\tToo deep\thttp://x/"}, true},
      {{"1\t4\t0\t5\t\tLevel 3"}, true},
      {{"1\t0\t0\t5\t\tLevel -1 item"}, true},
      {{"1\t1\t0\t5\t\tCat", "0\t2\t0\t5\t\tID zero later"}, true},
      {{"0\t0\t0\t5", "1\t1\t0\t5\t\tCat"}, false},
      {{"0\t1\t0\t5\t\tID zero first becomes the root"}, false},
      {{"1\t1\t0\t5\t\tCat", ""}, true},  // an empty line is an item with ID 0
  };
  TempFolder dir;
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    std::string path = dir.Path("r" + std::to_string(i));
    WriteBytes(path, ListText(cases[i].lines));
    BookmarkList list;
    ListResult r = listtest::Open(list, path);
    EXPECT_EQ(r, cases[i].repair ? ListResult::NeedsRepair : ListResult::ReadWrite) << "case " << i;
    EXPECT_EQ(list.needsRepair, cases[i].repair) << "case " << i;
  }
}

TEST(ListFile, RootLineKeepsOnlyKeepSortedAndItsTime) {
  TempFolder dir;
  std::string path = dir.Path("root.bkl");
  WriteBytes(path, ListText({"0\t0\t4095\t1234\tjunk\tmore", "1\t1\t0\t5\t\tCat"}));
  BookmarkList list;
  ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
  EXPECT_EQ(listtest::ItemLines(listtest::Render(list))[0], "0\t0\t512\t1234");
  EXPECT_TRUE(list.TestFlags(0, kFlagKeepSorted));
}

TEST(ListFile, DanglingAliasesAreDroppedSilently) {
  TempFolder dir;
  std::string path = dir.Path("alias.bkl");
  WriteBytes(path, ListText({"1\t1\t0\t5\t\tCat", "2\t2\t0\t5\t\tSub",
                             "3\t3\t80\t5\t\tTarget\thttp://t/",  // 0x40 + 0x10
                             "4\t3\t16\t5\t\tNo aliases flag\thttp://n/",
                             "5\t3\t0\t5\t3",     // resolves
                             "6\t3\t0\t5\t4",     // target lacks 0x40
                             "7\t3\t0\t5\t99",    // no such item
                             "8\t3\t0\t5\t5"}));  // an alias cannot be a target
  BookmarkList list;
  ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
  EXPECT_EQ(list.Target(5), 3);
  EXPECT_EQ(list.bookmarkCount, 2u);
  std::vector<std::string> lines = listtest::ItemLines(listtest::Render(list));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[5], "5\t3\t0\t5\t3");
  // Following the alias reaches the target's fields, with its own link.
  BookmarkItem& r = list.Decode(5, true);
  EXPECT_EQ(r.title, "Target");
  EXPECT_EQ(r.index, 3);
  EXPECT_EQ(r.viaIndex, 5);
}

TEST(ListFile, SmartFolderClaims) {
  TempFolder dir;
  std::string path = dir.Path("sf.bkl");
  WriteBytes(path, ListText({"1\t1\t8\t5\t\tSmartFolders", "2\t2\t9\t5\t\tFavorites",
                             "3\t2\t9\t5\t\tSecond favorites", "4\t2\t14\t5\t\tType 6",
                             "5\t1\t9\t5\t\tFavorites as category", "6\t2\t12\t5\t\tRecently added",
                             "7\t1\t8\t5\t\tSecond SmartFolders"}));
  BookmarkList list;
  ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
  EXPECT_EQ(list.smartFolderIndex[kSmartFolders], 1);
  EXPECT_EQ(list.smartFolderIndex[kSmartFavorites], 2);
  EXPECT_EQ(list.smartFolderIndex[kSmartRecentlyAdded], 6);
  EXPECT_EQ(list.smartFolderIndex[kSmartDueToVisit], 0);
  for (uint16_t loser : {3, 4, 5, 7}) {
    EXPECT_FALSE(list.TestFlags(loser, kFlagSmartFolder)) << loser;
    EXPECT_EQ(list.Link(loser).flags & 0x0F, 0) << loser;
  }
  // Lines are kept as read; only the link lost the claim.
  EXPECT_EQ(listtest::ItemLines(listtest::Render(list))[3], "3\t2\t9\t5\t\tSecond favorites");
}

TEST(ListFile, HeaderLastIdNeverFallsBelowAnIdInUse) {
  TempFolder dir;
  std::string path = dir.Path("ids.bkl");
  WriteBytes(path, ListText({"1\t1\t0\t5\t\tCat", "40\t1\t0\t5\t\tCat"}, "VELLOXFL/A/0/3/s/"));
  BookmarkList list;
  ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
  EXPECT_EQ(list.lastId, 40u);
}

std::string ManyItems(int count) {
  std::string text = ListText({"1\t1\t0\t5\t\tCat", "2\t2\t0\t5\t\tSub"});
  for (int i = 3; i <= count; ++i)
    text += std::to_string(i) + "\t3\t16\t5\t\tB\thttp://x/" + std::to_string(i) + "\r\n";
  return text;
}

TEST(ListFile, LoadingStopsAtTheItemLimit) {
  TempFolder dir;
  struct Case {
    int items;
    ListResult result;
    bool unread;
  };
  const Case cases[] = {{65278, ListResult::ReadWrite, false},
                        {65279, ListResult::Full, false},
                        {70000, ListResult::Full, true}};
  for (const Case& c : cases) {
    std::string path = dir.Path("big" + std::to_string(c.items));
    WriteBytes(path, ManyItems(c.items));
    BookmarkList list;
    EXPECT_EQ(listtest::Open(list, path), c.result) << c.items;
    EXPECT_EQ(list.itemCount, std::min(c.items, 65279)) << c.items;
    EXPECT_EQ(list.full, c.result == ListResult::Full) << c.items;
    EXPECT_EQ(list.linesLeftUnread, c.unread) << c.items;
    BookmarkItem item;
    item.level = kLevelBookmark;
    uint16_t added = list.AddItem(0, item, 0);
    EXPECT_EQ(added != 0, c.items < 65279) << c.items;
    EXPECT_TRUE(list.full) << c.items;
  }
}

TEST(ListFile, TableGrowthFailureIsOutOfMemory) {
  TempFolder dir;
  std::string path = dir.Path("oom.bkl");
  WriteBytes(path, ManyItems(3000));
  BookmarkList list;
  list.SetTableLimit(1500);
  EXPECT_EQ(listtest::Open(list, path), ListResult::OutOfMemory);
  // What was loaded is a consistent outline.
  uint32_t count = 0;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) ++count;
  EXPECT_EQ(count, list.itemCount);
  EXPECT_GT(count, 900u);
}

// Stands in for the encryption module: "sealed" lines are the plain text
// reversed behind a marker.
class ReversingCipher : public ListCipher {
 public:
  bool SetKey(const std::string& password) override { return !password.empty(); }
  bool EncipherLine(std::string_view plain, std::string* stored) override {
    if (plain.find("refuse") != std::string_view::npos) return false;
    *stored = "~" + std::string(plain.rbegin(), plain.rend());
    return true;
  }
  bool DecipherLine(std::string_view stored, std::string* plain) override {
    if (stored.empty() || stored[0] != '~') return false;
    *plain = std::string(stored.rbegin(), stored.rend() - 1);
    return true;
  }
  std::string ComputeCheck(const std::string& salt, const std::string& password) override {
    return "check:" + salt + password;
  }
  void ResetEncryption(BookmarkList* list) override {
    list->encryptionOptions = 0;
    ++resets;
  }
  int resets = 0;
};

TEST(ListFile, WholeListEncryptionGoesThroughTheCipher) {
  TempFolder dir;
  std::string path = dir.Path("enc.bkl");
  std::string header = "VELLOXFL/A/2/3/abcdefghij/";
  WriteBytes(path, header + "\r\n" + kColumnLine + "~5\t0\t0\t0\r\n~taC\t\t5\t0\t1\t1\r\n");
  BookmarkList list;
  list.password = "secret";
  list.cipher = std::make_unique<ReversingCipher>();
  ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
  EXPECT_EQ(list.Decode(1, false).title, "Cat");
  std::string saved = listtest::Render(list);
  EXPECT_EQ(saved, header.substr(0, header.size() - 1) + "/check:abcdefghijsecret\r\n" +
                       kColumnLine + "~5\t0\t0\t0\r\n~taC\t\t5\t0\t1\t1\r\n");

  // A line that does not decipher ends loading as damaged.
  WriteBytes(path, header + "\r\n" + kColumnLine + "~0\t0\t0\t0\r\nplain\r\n");
  BookmarkList damaged;
  damaged.password = "secret";
  damaged.cipher = std::make_unique<ReversingCipher>();
  EXPECT_EQ(listtest::Open(damaged, path), ListResult::Damaged);

  // A line that does not encipher stops the save and resets encryption.
  BookmarkItem item;
  item.level = kLevelCategory;
  item.title = "refuse me";
  list.AddItem(0, item, 0);
  std::string bytes;
  EXPECT_EQ(RenderList(list, &bytes), WriteResult::EncryptionFailed);
  EXPECT_EQ(static_cast<ReversingCipher*>(list.cipher.get())->resets, 1);
  EXPECT_EQ(list.encryptionOptions, 0u);
}

TEST(ListFile, EncryptedListWithoutACipherIsDamaged) {
  TempFolder dir;
  std::string path = dir.Path("enc.bkl");
  WriteBytes(path, ListText({"~x"}, "VELLOXFL/A/2/3/abcdefghij/"));
  BookmarkList list;
  EXPECT_EQ(listtest::Open(list, path), ListResult::Damaged);
  EXPECT_EQ(list.itemCount, 0);
}

TEST(ListFile, WriteListDrawsASaltWhenTheListHasNone) {
  TempFolder dir;
  std::string path = dir.Path("nosalt.bkl");
  WriteBytes(path, ListText({"1\t1\t0\t5\t\tCat"}, "VELLOXFL/A/0/1//"));
  BookmarkList list;
  ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
  EXPECT_TRUE(list.salt.empty());
  platform::File out;
  ASSERT_EQ(out.Open(dir.Path("out.bkl").c_str(), platform::FileAccess::kCreateWrite), 0u);
  ASSERT_EQ(WriteList(list, out), WriteResult::Ok);
  out.Close();
  EXPECT_EQ(list.salt.size(), 10u);
  std::string written = ReadBytes(dir.Path("out.bkl"));
  EXPECT_EQ(written.substr(0, written.find('\n') + 1), "VELLOXFL/A/0/1/" + list.salt + "/\r\n");
}

TEST(ListFile, IsUtf16File) {
  TempFolder dir;
  const std::pair<std::string, bool> cases[] = {{std::string("\xFF\xFE", 2), true},
                                                {std::string("\xFF\xFEVELL", 6), true},
                                                {std::string("\xFE\xFF", 2), false},
                                                {std::string("\xFF", 1), false},
                                                {"", false}};
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    std::string path = dir.Path("u" + std::to_string(i));
    WriteBytes(path, cases[i].first);
    EXPECT_EQ(IsUtf16File(path), cases[i].second) << "case " << i;
  }
  EXPECT_FALSE(IsUtf16File(dir.Path("absent")));
}

}  // namespace
