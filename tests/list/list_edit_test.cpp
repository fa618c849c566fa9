// The editing operations on small hand-built outlines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/encryption.h"
#include "list/item_codec.h"
#include "list/list_delete.h"
#include "list/list_duplicates.h"
#include "list/list_edit.h"
#include "list/list_file.h"
#include "list/list_marks.h"
#include "list/list_sort.h"
#include "list/list_transfer.h"
#include "support/list_test_support.h"

namespace {

// A separator has no address.
BookmarkItem Item(int8_t level, const std::string& title, uint16_t flags = 0) {
  BookmarkItem r = listtest::Item(level, title, flags);
  if (flags & kFlagSeparator) r.url.clear();
  return r;
}

uint32_t IdOf(const BookmarkList& list, uint16_t i) { return DecodeHead(list.Line(i)).id; }

using listtest::Shape;

// The list written and read back through the list file.
void Reload(BookmarkList& list, BookmarkList& into, const listtest::TempFolder& folder) {
  std::string path = folder.Path("reload.bkl");
  listtest::WriteBytes(path, listtest::Render(list));
  ASSERT_TRUE(HeaderAllowsLoading(listtest::Open(into, path))) << listtest::ReadBytes(path);
}

// C1 / S1 / B1 B2      C2 / S2 / B3      C3 / S3 / B4
class Edit : public ::testing::Test {
 public:
  void SetUp() override {
    list.Reset();  // some cases start over
    clock.Attach(list);
    list.salt = "abcdefghij";
    c1 = Add(kLevelCategory, "C1");
    s1 = Add(kLevelSubcategory, "S1");
    b1 = Add(kLevelBookmark, "B1");
    b2 = Add(kLevelBookmark, "B2");
    c2 = Add(kLevelCategory, "C2");
    s2 = Add(kLevelSubcategory, "S2");
    b3 = Add(kLevelBookmark, "B3");
    c3 = Add(kLevelCategory, "C3");
    s3 = Add(kLevelSubcategory, "S3");
    b4 = Add(kLevelBookmark, "B4");
  }
  uint16_t Add(int8_t level, const std::string& title, uint16_t flags = 0) {
    return list.AddItem(0, Item(level, title, flags), 0);
  }
  bool Marked(uint16_t i) const { return (list.Link(i).flags & kFlagMarked) != 0; }

  listtest::ManualClock clock;
  listtest::TempFolder folder;
  BookmarkList list;
  uint16_t c1, s1, b1, b2, c2, s2, b3, c3, s3, b4;
};

TEST_F(Edit, DeleteExtendsToParentsLeftEmpty) {
  struct Case {
    const char* what;
    uint16_t Edit::*item;
    bool allInstances, extend;
    const char* shape;
    uint32_t bookmarks;
  };
  const Case cases[] = {
      {"only bookmark of only subcategory", &Edit::b3, false, true,
       "0C1 1S1 2B1 2B2 0C3 1S3 2B4", 3},
      {"one of two siblings", &Edit::b1, false, true, "0C1 1S1 2B2 0C2 1S2 2B3 0C3 1S3 2B4", 3},
      {"list-view delete does not extend", &Edit::b3, false, false,
       "0C1 1S1 2B1 2B2 0C2 1S2 0C3 1S3 2B4", 3},
      {"only subcategory", &Edit::s3, false, true, "0C1 1S1 2B1 2B2 0C2 1S2 2B3", 3},
      {"category with subtree", &Edit::c1, true, true, "0C2 1S2 2B3 0C3 1S3 2B4", 2},
  };
  for (const Case& c : cases) {
    SetUp();
    clock.now += 100;
    EXPECT_EQ(DeleteItem(list, this->*c.item, c.allInstances, c.extend), kEditOk) << c.what;
    EXPECT_EQ(Shape(list), c.shape) << c.what;
    EXPECT_EQ(list.bookmarkCount, c.bookmarks) << c.what;
    EXPECT_TRUE(list.modified) << c.what;
  }
  // The parent of what was deleted was touched.
  SetUp();
  clock.now += 500;
  DeleteItem(list, b1, false);
  EXPECT_EQ(DecodeHead(list.Line(s1)).timeModified, clock.now);
}

TEST_F(Edit, MovingTheLastChildOutDeletesItsParent) {
  EXPECT_TRUE(MoveBefore(list, b3, b4, false));
  EXPECT_EQ(Shape(list), "0C1 1S1 2B1 2B2 0C3 1S3 2B3 2B4");
  EXPECT_TRUE(list.IsDeleted(s2));
  EXPECT_TRUE(list.IsDeleted(c2));
  EXPECT_EQ(list.bookmarkCount, 4u);

  SetUp();
  EXPECT_TRUE(MoveBefore(list, b3, b4, true));
  EXPECT_EQ(Shape(list), "0C1 1S1 2B1 2B2 0C2 1S2 0C3 1S3 2B3 2B4");
  // Already in place, or into itself: nothing happens.
  EXPECT_FALSE(MoveBefore(list, b1, b2, false));
  EXPECT_FALSE(MoveBefore(list, c1, b1, false));
  EXPECT_FALSE(MoveBefore(list, c1, c2, false));
}

TEST_F(Edit, PromotedAliasKeepsTheIdThroughSaveAndReload) {
  uint32_t id = IdOf(list, b1);
  BookmarkItem original;
  list.DecodeInto(b1, false, &original);
  uint16_t a1 = list.AddAlias(b4, b1, id);  // in S3
  uint16_t a2 = list.AddAlias(b3, b1, id);  // in S2
  EXPECT_EQ(InstanceCount(list, b1), 2);
  EXPECT_EQ(DeleteItem(list, b1, false), kEditOk);
  ASSERT_FALSE(InRing(list, b1));
  EXPECT_FALSE(list.IsAlias(a2));  // the first live alias outside SmartFolders
  EXPECT_TRUE(list.IsAlias(a1));
  BookmarkItem promoted;
  list.DecodeInto(a2, false, &promoted);
  EXPECT_EQ(promoted.id, id);
  EXPECT_EQ(promoted.url, original.url);
  EXPECT_EQ(promoted.timeAdded, original.timeAdded);
  EXPECT_TRUE(list.TestFlags(a2, kFlagBookmark | kFlagHasAliases));
  EXPECT_EQ(list.Target(a1), a2);
  EXPECT_EQ(list.bookmarkCount, 4u);

  BookmarkList reloaded;
  Reload(list, reloaded, folder);
  uint16_t real = reloaded.FindById(id);
  ASSERT_NE(real, 0);
  int aliases = 0;
  for (uint16_t i = reloaded.Next(0, true); i != 0; i = reloaded.Next(i, true))
    if (reloaded.IsAlias(i)) {
      ++aliases;
      EXPECT_EQ(reloaded.Target(i), real);
    }
  EXPECT_EQ(aliases, 1);
  EXPECT_EQ(listtest::Render(reloaded), listtest::Render(list));

  // The last alias promoted loses flag 0x40.
  DeleteItem(list, a2, false);
  EXPECT_FALSE(list.IsAlias(a1));
  EXPECT_FALSE(list.TestFlags(a1, kFlagHasAliases));
  EXPECT_EQ(IdOf(list, a1), id);
}

TEST_F(Edit, AliasesOnlyInSmartFoldersGoWithTheBookmark) {
  uint16_t smart = Add(kLevelCategory, "SmartFolders", kFlagSmartFolder);
  uint16_t favorites = Add(kLevelSubcategory, "Favorites", kFlagSmartFolder | kSmartFavorites);
  list.smartFolderIndex[0] = smart;
  list.smartFolderIndex[kSmartFavorites] = favorites;
  uint16_t fav = list.AddAlias(0, b1, IdOf(list, b1));
  uint16_t other = list.AddAlias(b4, b2, IdOf(list, b2));
  struct Case {
    uint16_t index;
    int count;
  };
  for (Case c : {Case{b1, 1}, Case{fav, 2}, Case{b2, 2}, Case{other, 2}, Case{b3, 0}, Case{s1, 0}})
    EXPECT_EQ(InstanceCount(list, c.index), c.count) << c.index;
  EXPECT_EQ(DeleteItem(list, smart, true), kEditFailed);
  EXPECT_EQ(DeleteItem(list, favorites, false), kEditFailed);
  EXPECT_EQ(DeleteItem(list, b1, false), kEditOk);
  EXPECT_FALSE(InRing(list, fav));
  EXPECT_TRUE(list.IsDeleted(b1));
  // Deleting just an alias clears 0x40 on its target.
  EXPECT_EQ(DeleteItem(list, other, false), kEditOk);
  EXPECT_FALSE(list.TestFlags(b2, kFlagHasAliases));
  EXPECT_FALSE(list.IsDeleted(b2));
}

TEST_F(Edit, MarkingFollowsThePath) {
  Mark(list, b1, 1, true, true);
  EXPECT_TRUE(Marked(b1) && Marked(s1) && Marked(c1));
  EXPECT_EQ(list.markedCount, (std::array<uint32_t, 3>{1, 1, 1}));
  Mark(list, b2, 1, false, true);
  Mark(list, b1, 2, true, true);  // toggles off; B2 keeps the path marked
  EXPECT_TRUE(!Marked(b1) && Marked(s1) && Marked(c1));
  Mark(list, b2, 0, false, true);
  EXPECT_TRUE(!Marked(s1) && !Marked(c1));
  EXPECT_EQ(list.markedCount, (std::array<uint32_t, 3>{0, 0, 0}));

  Mark(list, c2, 1, true, false);
  EXPECT_TRUE(Marked(s2) && Marked(b3));
  EXPECT_EQ(list.markedCount, (std::array<uint32_t, 3>{1, 1, 1}));
  ClearAllMarks(list);
  EXPECT_FALSE(Marked(c2) || Marked(s2) || Marked(b3));
}

TEST_F(Edit, DeleteMarkedLeavesPathContainers) {
  list.FillColumn(0, c1);
  list.FillColumn(1, s1);
  list.FillColumn(2, b1);
  Mark(list, b1, 1, true, true);
  Mark(list, b4, 1, true, true);
  EXPECT_EQ(DeleteMarked(list), kEditOk);
  EXPECT_EQ(Shape(list), "0C1 1S1 2B2 0C2 1S2 2B3");
  EXPECT_EQ(list.columns[2].SelectedItem(), b2);
  EXPECT_EQ(list.markedCount, (std::array<uint32_t, 3>{0, 0, 0}));
}

TEST_F(Edit, SortingRespectsSeparatorRuns) {
  uint16_t z = list.AddItem(b3, Item(kLevelBookmark, "zeta"), 0);
  uint16_t a = list.AddItem(b3, Item(kLevelBookmark, "Alpha"), 0);
  list.AddItem(b3, Item(kLevelBookmark, "", kFlagSeparator), 0);
  list.AddItem(b3, Item(kLevelBookmark, "y"), 0);
  list.AddItem(b3, Item(kLevelBookmark, "X"), 0);
  // S2: zeta Alpha - y X B3
  EXPECT_TRUE(SortSiblings(list, z, kSortByTitle));
  EXPECT_EQ(Shape(list), "0C1 1S1 2B1 2B2 0C2 1S2 2Alpha 2zeta 2- 2B3 2X 2y 0C3 1S3 2B4");
  EXPECT_FALSE(SortSiblings(list, a, kSortByTitle));

  BookmarkItem& r = list.Decode(b2, false);
  r.visits = 9;
  r.changed = 1;
  list.EncodeCurrentIfChanged();
  EXPECT_TRUE(SortSiblings(list, b1, kSortByVisits));
  EXPECT_EQ(Shape(list).substr(0, 15), "0C1 1S1 2B2 2B1");

  list.FillColumn(0, c3);
  list.FillColumn(1, 0);
  SortColumn(list, 0);
  EXPECT_TRUE(list.TestFlags(0, kFlagKeepSorted));
  SortAll(list, 0, false);
  EXPECT_TRUE(list.TestFlags(s2, kFlagKeepSorted));
  EXPECT_EQ(list.columns[0].SelectedItem(), c3);
}

TEST_F(Edit, PurgeDropsDeletedItemsFromTheFile) {
  uint32_t id = IdOf(list, b1);
  DeleteItem(list, b1, false);
  auto lineOf = [&](const std::string& bytes) -> std::string {
    for (const std::string& line : listtest::ItemLines(bytes))
      if (DecodeHead(line).id == id) return line;
    return "";
  };
  std::string before = lineOf(listtest::Render(list));
  ASSERT_FALSE(before.empty());
  EXPECT_TRUE(DecodeHead(before).flags & kFlagDeleted);
  EXPECT_TRUE(Undelete(list, b1));
  EXPECT_EQ(list.bookmarkCount, 4u);
  DeleteItem(list, b1, false);
  PurgeDeleted(list);
  EXPECT_EQ(lineOf(listtest::Render(list)), "");
  EXPECT_FALSE(Undelete(list, b1));
  EXPECT_EQ(list.bookmarkCount, 3u);
}

TEST_F(Edit, TransferMovesAliasesAndKeepsSortedParents) {
  // Move B1 and the whole S3 to the end of C2: S1 keeps B2, so a copy of
  // it carries B1; C3 is left empty and goes.
  Mark(list, b1, 1, true, true);
  Mark(list, s3, 1, true, true);
  list.FillColumn(0, c2);
  list.FillColumn(1, 0);
  EXPECT_EQ(TransferMarked(list, nullptr, 1, 0, kTransferMove), kEditOk);
  EXPECT_EQ(Shape(list), "0C1 1S1 2B2 0C2 1S2 2B3 1S1 2B1 1S3 2B4");
  EXPECT_TRUE(list.IsDeleted(c3));
  EXPECT_EQ(list.markedCount, (std::array<uint32_t, 3>{0, 0, 0}));

  // A container with unmarked children is copied, only marked ones leave.
  SetUp();
  Mark(list, b1, 1, true, true);
  list.FillColumn(0, c2);
  EXPECT_EQ(TransferMarked(list, nullptr, 0, c3, kTransferMove), kEditOk);
  EXPECT_EQ(Shape(list), "0C1 1S1 2B2 0C2 1S2 2B3 0C1 1S1 2B1 0C3 1S3 2B4");

  // Alias: bookmarks become aliases, containers representatives.
  SetUp();
  list.SetFlags(s2, kFlagKeepSorted, 1);
  Mark(list, b4, 1, true, true);
  list.FillColumn(0, c2);
  list.FillColumn(1, s2);
  EXPECT_EQ(TransferMarked(list, nullptr, 2, 0, kTransferAlias), kEditOk);
  EXPECT_EQ(Shape(list), "0C1 1S1 2B1 2B2 0C2 1S2 2B3 2B4 0C3 1S3 2B4");
  uint16_t alias = list.Prev(c3, true);
  EXPECT_EQ(list.Target(alias), b4);
  EXPECT_TRUE(list.TestFlags(s2, kFlagKeepSorted));
  // A precise position in a kept-sorted column ends the keeping.
  Mark(list, b1, 1, true, true);
  EXPECT_EQ(TransferMarked(list, nullptr, 2, b3, kTransferMove), kEditOk);
  EXPECT_FALSE(list.TestFlags(s2, kFlagKeepSorted));
  EXPECT_EQ(Shape(list), "0C1 1S1 2B2 0C2 1S2 2B1 2B3 2B4 0C3 1S3 2B4");
  EXPECT_EQ(TransferMarked(list, nullptr, 2, 0, kTransferCopyFromHolding), kEditFailed);
}

TEST_F(Edit, TransferNeverPutsLiveItemsUnderDeletedOnes) {
  DeleteItem(list, b4, false);  // C3 and S3 go with it, still in the outline
  Mark(list, b1, 1, false, false);
  EXPECT_EQ(TransferMarked(list, nullptr, 2, 0, kTransferMove), kEditFailed);  // no column above
  list.FillColumn(0, c2);
  list.FillColumn(1, s2);
  EXPECT_EQ(TransferMarked(list, nullptr, 0, 0, kTransferMove), kEditOk);
  uint16_t parent = list.Parent(b1);
  EXPECT_FALSE(list.IsDeleted(parent));
  EXPECT_EQ(parent, s2);
}

TEST_F(Edit, CopiedPasswordsDecipherUnderTheTargetKey) {
  SetEncryption(list, kEncryptSitePasswords, "target-key");
  list.keyState = 2;  // the password has been given
  BookmarkList source;
  clock.Attach(source);
  source.salt = "klmnopqrst";
  source.AddItem(0, Item(kLevelCategory, "SC"), 0);
  source.AddItem(0, Item(kLevelSubcategory, "SS"), 0);
  uint16_t sb = source.AddItem(0, Item(kLevelBookmark, "SB"), 0);
  uint16_t plain = source.AddItem(0, Item(kLevelBookmark, "SP"), 0);
  SetEncryption(source, kEncryptSitePasswords, "source-key");
  BookmarkItem record;
  source.DecodeInto(sb, false, &record);
  ASSERT_TRUE(SetSitePassword(source, record, "secret"));
  source.Encode(record);
  source.DecodeInto(plain, false, &record);
  std::string sourceStored = record.password;
  Mark(source, sb, 1, true, true);

  list.FillColumn(0, c1);
  list.FillColumn(1, s1);
  EXPECT_EQ(TransferMarked(list, &source, 2, 0, kTransferCopyFromHolding), kEditOk);
  uint16_t copied = list.Prev(c2, true);
  list.DecodeInto(copied, false, &record);
  EXPECT_EQ(record.title, "SB");
  EXPECT_EQ(GetSitePassword(list, record), "secret");
  EXPECT_FALSE(EncryptionOf(list).HasKey(1));
  EXPECT_FALSE(Marked(copied));
  EXPECT_EQ(source.markedCount, (std::array<uint32_t, 3>{0, 0, 0}));

  // Into a list without site encryption: deciphered.
  BookmarkList clear;
  clock.Attach(clear);
  clear.AddItem(0, Item(kLevelCategory, "K"), 0);
  clear.FillColumn(0, 0);
  Mark(source, sb, 1, true, true);
  EXPECT_EQ(TransferMarked(clear, &source, 0, 0, kTransferMoveFromHolding), kEditOk);
  EXPECT_EQ(Shape(clear), "0K 0SC 1SS 2SB");
  clear.DecodeInto(clear.Prev(0, true), false, &record);
  EXPECT_EQ(record.password, "secret");
  EXPECT_EQ(Shape(source), "0SC 1SS 2SP");

  // A source whose password was never given cannot hand over a password.
  Mark(source, plain, 1, true, true);
  source.DecodeInto(plain, false, &record);
  ASSERT_TRUE(SetSitePassword(source, record, "other"));
  source.Encode(record);
  source.password.clear();
  std::string before = listtest::Render(list);
  EXPECT_EQ(TransferMarked(list, &source, 2, 0, kTransferCopyFromHolding), kEditFailed);
  EXPECT_EQ(listtest::Render(list), before);
}

TEST_F(Edit, ConvertToAliasesMergesIntoTheLatest) {
  uint16_t d1 = list.AddItem(b3, Item(kLevelBookmark, "D1"), 0);
  uint16_t d2 = list.AddItem(b4, Item(kLevelBookmark, "D2"), 0);
  auto edit = [&](uint16_t i, auto change) {
    BookmarkItem r;
    list.DecodeInto(i, false, &r);
    change(r);
    list.Encode(r);
  };
  edit(d1, [](BookmarkItem& r) {
    r.url = "HTTP://Dup.example/";
    r.notes = "old note";
    r.keywords = "k1";
    r.login = "me";
    r.visits = 3;
    r.timeLastVisit = 1000;
    r.timePreviousVisit = 500;
    r.timeAdded = 100;
    r.rating = 4;
    r.timeSiteChecked = 50;
    r.siteStatus = 2;
  });
  clock.now += 10;
  edit(d2, [](BookmarkItem& r) {
    r.url = "http://dup.example/";
    r.timeModified = 1700000000;
    r.notes = "new note";
    r.visits = 2;
    r.timeLastVisit = 900;
    r.timePreviousVisit = 800;
    r.timeAdded = 200;
    r.timeSiteChecked = 40;
    r.siteStatus = 1;
  });
  uint16_t pointing = list.AddAlias(b1, d1, IdOf(list, d1));
  EXPECT_EQ(NextDuplicate(list, b2), d1);
  EXPECT_EQ(NextDuplicate(list, d1), d2);
  EXPECT_EQ(NextDuplicate(list, d2), 0);
  EXPECT_EQ(ConvertToAliases(list, {d1, b1}), 0);  // addresses differ

  clock.now += 10;
  ASSERT_EQ(ConvertToAliases(list, {d1, d2}), d2);
  BookmarkItem k;
  list.DecodeInto(d2, false, &k);
  struct Field {
    const char* name;
    std::string got, expected;
  };
  const Field fields[] = {
      {"notes", k.notes, "new note\\n\\nold note"},
      {"keywords", k.keywords, "k1"},
      {"login", k.login, "me"},
      {"visits", std::to_string(k.visits), "5"},
      {"last visit", std::to_string(k.timeLastVisit), "1000"},
      {"previous visit", std::to_string(k.timePreviousVisit), "900"},
      {"added", std::to_string(k.timeAdded), "100"},
      {"rating", std::to_string(k.rating), "4"},
      {"status", std::to_string(k.siteStatus), "2"},
      {"modified", std::to_string(k.timeModified), std::to_string(clock.now)},
  };
  for (const Field& f : fields) EXPECT_EQ(f.got, f.expected) << f.name;
  EXPECT_TRUE(list.IsAlias(d1));
  EXPECT_EQ(list.Target(d1), d2);
  EXPECT_EQ(list.Target(pointing), d2);
  EXPECT_TRUE(list.TestFlags(d2, kFlagHasAliases));
  EXPECT_EQ(NextDuplicate(list, 0), 0);

  BookmarkList reloaded;
  Reload(list, reloaded, folder);
  EXPECT_EQ(listtest::Render(reloaded), listtest::Render(list));
}

TEST_F(Edit, SeparatorAndBold) {
  list.FillColumn(0, c1);
  list.FillColumn(1, s1);
  list.FillColumn(2, b2);
  int sep = InsertSeparator(list, 2);
  ASSERT_GT(sep, 0);
  EXPECT_EQ(Shape(list).substr(0, 15), "0C1 1S1 2B1 2- ");
  EXPECT_EQ(list.columns[2].SelectedItem(), sep);
  list.FillColumn(2, b2);
  uint16_t alias = list.AddAlias(b3, b2, IdOf(list, b2));
  (void)alias;
  EXPECT_TRUE(ToggleBold(list, 2));
  EXPECT_TRUE(list.TestFlags(alias, kFlagBold));
  list.full = true;
  EXPECT_EQ(InsertSeparator(list, 2), kEditFull);
  EXPECT_EQ(TransferMarked(list, nullptr, 2, 0, kTransferAlias), kEditFull);
}

}  // namespace
