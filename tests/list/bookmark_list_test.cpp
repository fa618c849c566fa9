#include "list/bookmark_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "list/item_codec.h"
#include "list/list_file.h"
#include "support/list_test_support.h"

namespace {

using listtest::Item;

// root
//   C1            S1: B1 B2 sep B3     S2 (deleted): B4 (deleted)
//   C2            S3: A1 (alias of B1)
class Outline : public ::testing::Test {
 protected:
  void SetUp() override {
    clock.Attach(list);
    c1 = list.AddItem(0, Item(kLevelCategory, "C1"), 0);
    s1 = list.AddItem(0, Item(kLevelSubcategory, "S1"), 0);
    b1 = list.AddItem(0, Item(kLevelBookmark, "B1"), 0);
    b2 = list.AddItem(0, Item(kLevelBookmark, "B2"), 0);
    sep = list.AddItem(0, Item(kLevelBookmark, "", kFlagSeparator), 0);
    b3 = list.AddItem(0, Item(kLevelBookmark, "B3"), 0);
    s2 = list.AddItem(0, Item(kLevelSubcategory, "S2", kFlagDeleted), 0);
    b4 = list.AddItem(0, Item(kLevelBookmark, "B4", kFlagDeleted), 0);
    c2 = list.AddItem(0, Item(kLevelCategory, "C2"), 0);
    s3 = list.AddItem(0, Item(kLevelSubcategory, "S3"), 0);
    a1 = list.AddAlias(0, b1, list.Decode(b1, false).id);
  }
  listtest::ManualClock clock;
  BookmarkList list;
  uint16_t c1, s1, b1, b2, sep, b3, s2, b4, c2, s3, a1;
};

TEST_F(Outline, NavigationTable) {
  struct Case {
    const char* what;
    uint16_t got, expected;
  };
  const Case cases[] = {
      {"Next(b3)", list.Next(b3, false), s2},
      {"Next(b3, skip)", list.Next(b3, true), c2},
      {"Next(last)", list.Next(a1, false), 0},
      {"Next(root)", list.Next(0, false), c1},
      {"Prev(c2, skip)", list.Prev(c2, true), b3},
      {"Prev(c2)", list.Prev(c2, false), b4},
      {"Prev(c1)", list.Prev(c1, false), 0},
      {"Prev(root)", list.Prev(0, false), a1},
      {"Parent(b2)", list.Parent(b2), s1},
      {"Parent(a1)", list.Parent(a1), s3},
      {"Parent(c2)", list.Parent(c2), 0},
      {"Target(a1)", list.Target(a1), b1},
      {"Target(b2)", list.Target(b2), b2},
      {"FindById(C2)", list.FindById(list.Decode(c2, false).id), c2},
      {"FindById(deleted)", list.FindById(list.Decode(b4, false).id), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;

  struct Span {
    const char* what;
    SiblingResult got;
    int result;
    uint16_t index;
  };
  const Span spans[] = {
      {"SubtreeEnd(c1)", list.SubtreeEnd(c1, false), 1, c2},
      {"SubtreeEnd(s1)", list.SubtreeEnd(s1, false), 1, s2},
      {"SubtreeEnd(s1, skip)", list.SubtreeEnd(s1, true), 0, c2},
      {"SubtreeEnd(b3)", list.SubtreeEnd(b3, false), 0, s2},
      {"SubtreeEnd(c2)", list.SubtreeEnd(c2, false), 0, 0},
      {"SubtreeEnd(root)", list.SubtreeEnd(0, false), -1, 0},
      {"PrevSibling(b3)", list.PrevSibling(b3, false), 1, sep},
      {"PrevSibling(b1)", list.PrevSibling(b1, false), 0, s1},
      {"PrevSibling(c2)", list.PrevSibling(c2, false), 1, c1},
      {"PrevSibling(c1)", list.PrevSibling(c1, false), 0, 0},
      {"PrevSibling(s3, skip)", list.PrevSibling(s3, true), 0, c2},
  };
  for (const Span& s : spans) {
    EXPECT_EQ(s.got.result, s.result) << s.what;
    EXPECT_EQ(s.got.index, s.index) << s.what;
  }
  AncestorIndices path = list.AncestorPath(a1);
  EXPECT_EQ(path.category, c2);
  EXPECT_EQ(path.subcategory, s3);
  EXPECT_EQ(path.bookmark, a1);
  path = list.AncestorPath(s1);
  EXPECT_EQ(path.category, c1);
  EXPECT_EQ(path.subcategory, s1);
  EXPECT_EQ(path.bookmark, 0);
}

TEST_F(Outline, AddingSetsIdsCountsAndAliasTargets) {
  EXPECT_EQ(list.itemCount, 11);
  EXPECT_EQ(list.lastId, 11u);
  EXPECT_EQ(list.bookmarkCount, 3u);  // B4 is deleted, the alias and separator do not count
  EXPECT_TRUE(list.TestFlags(b1, kFlagHasAliases));
  EXPECT_TRUE(list.TestFlags(a1, kFlagBookmark));  // through the target
  EXPECT_FALSE(list.TestFlags(sep, kFlagBookmark));
  EXPECT_TRUE(list.modified);
  // The target's line carries 0x40 so that the alias resolves after a reload.
  EXPECT_EQ(DecodeHead(list.Line(b1)).flags & kFlagHasAliases, kFlagHasAliases);
  ChildCounts counts = list.CountChildren(c1);
  EXPECT_EQ(counts.children, 1u);
  EXPECT_EQ(counts.bookmarks, 3u);
  counts = list.CountChildren(0);
  EXPECT_EQ(counts.children, 2u);
  EXPECT_EQ(counts.bookmarks, 4u);
}

TEST_F(Outline, AddingTouchesTheParent) {
  clock.now += 100;
  list.AddItem(s2, Item(kLevelBookmark, "B5"), 0);  // lands at the end of S1
  EXPECT_EQ(list.Decode(s1, false).timeModified, clock.now);
  EXPECT_NE(list.Decode(c1, false).timeModified, clock.now);
  list.AddItem(c2, Item(kLevelCategory, "C1b"), 0);
  EXPECT_EQ(list.Decode(0, false).timeModified, clock.now);
}

TEST_F(Outline, ItemFlagsOfAnAliasLiveOnItsTarget) {
  std::string aliasLine(list.Line(a1));
  clock.now += 50;
  list.modified = false;
  list.SetFlags(a1, kFlagBold, 1);
  EXPECT_TRUE(list.TestFlags(b1, kFlagBold));
  EXPECT_TRUE(list.TestFlags(a1, kFlagBold));
  EXPECT_EQ(DecodeHead(list.Line(b1)).flags & kFlagBold, kFlagBold);
  EXPECT_EQ(DecodeHead(list.Line(b1)).timeModified, clock.now);
  EXPECT_EQ(list.Line(a1), aliasLine);
  EXPECT_TRUE(list.modified);

  list.SetFlags(a1, kFlagDeleted, 1);  // the alias's own
  EXPECT_TRUE(list.IsDeleted(a1));
  EXPECT_FALSE(list.IsDeleted(b1));
  EXPECT_EQ(DecodeHead(list.Line(a1)).flags & kFlagDeleted, kFlagDeleted);

  std::string b2Line(list.Line(b2));
  list.SetFlags(b2, kFlagMarked, 2);  // run-time only: the line stays
  EXPECT_TRUE(list.TestFlags(b2, kFlagMarked));
  list.SetFlags(b2, kFlagMarked, 2);
  EXPECT_FALSE(list.TestFlags(b2, kFlagMarked));
  EXPECT_EQ(list.Line(b2), b2Line);

  list.SetFlags(b2, kFlagBold | kFlagMarked, 1);
  list.SetFlags(b2, kFlagBold | kFlagMarked, 2);  // all set: toggled off together
  EXPECT_FALSE(list.TestFlags(b2, kFlagBold));
  EXPECT_FALSE(list.TestFlags(b2, kFlagMarked));
}

TEST_F(Outline, DecodeCachesAndEncodesPendingChanges) {
  BookmarkItem& r = list.Decode(b2, true);
  EXPECT_EQ(&list.Decode(b2, true), &r);
  r.notes = "first\r\nsecond\tend";
  r.login = "  me ";
  r.changed = 1;
  list.Decode(b3, true);  // moving on stores the edit
  BookmarkItem& back = list.Decode(b2, true);
  EXPECT_EQ(back.notes, "first\\nsecond    end");
  EXPECT_EQ(DecodeNoteText(back.notes), "first\r\nsecond    end");
  EXPECT_EQ(back.login, "me");
  EXPECT_TRUE(list.TestFlags(b2, kFlagHasNotes | kFlagHasLogin));
  back.notes.clear();
  back.login.clear();
  ASSERT_EQ(list.Encode(back), 0);
  EXPECT_FALSE(list.TestFlags(b2, kFlagHasNotes));
  EXPECT_FALSE(list.TestFlags(b2, kFlagHasLogin));
}

TEST_F(Outline, EncodeTakesFlagsFromTheLinksAndCleansText) {
  BookmarkItem r;
  list.DecodeInto(b3, false, &r);
  list.SetFlags(b3, kFlagBold, 1);  // after the record was decoded
  r.title = "\tTabbed\ttitle\r\n";
  r.url = " http://a/\nb ";
  r.flags = 0;  // ignored: the link holds the flags
  ASSERT_EQ(list.Encode(r), 0);
  EXPECT_TRUE(list.TestFlags(b3, kFlagBold | kFlagBookmark));
  BookmarkItem again;
  list.DecodeInto(b3, false, &again);
  EXPECT_EQ(again.title, "Tabbed title");
  EXPECT_EQ(again.url, "http://a/ b");

  BookmarkItem partial;
  DecodeLine(list.Line(b3), false, &partial);
  partial.index = partial.viaIndex = b3;
  EXPECT_EQ(list.Encode(partial), -1);  // would lose the fields it never read
  partial.index = 999;
  partial.decoded = 2;
  EXPECT_EQ(list.Encode(partial), -1);
}

TEST_F(Outline, ColumnsHoldLiveChildren) {
  list.FillColumn(0, c2);
  EXPECT_EQ(list.columns[0].entries, (std::vector<uint16_t>{c1, c2}));
  EXPECT_EQ(list.columns[0].selected, 1);
  list.FillColumn(1, s3);
  EXPECT_EQ(list.columns[1].entries, (std::vector<uint16_t>{s3}));
  list.columns[0].selected = 0;
  list.FillColumn(1, s1);
  EXPECT_EQ(list.columns[1].entries, (std::vector<uint16_t>{s1}));  // S2 is deleted
  list.FillColumn(2, 0);
  EXPECT_EQ(list.columns[2].entries, (std::vector<uint16_t>{b1, b2, sep, b3}));
  EXPECT_EQ(list.columns[2].selected, -1);
  EXPECT_TRUE(list.SelectById(list.Decode(a1, false).id));
  EXPECT_EQ(list.columns[0].SelectedItem(), c2);
  EXPECT_EQ(list.columns[1].SelectedItem(), s3);
  EXPECT_EQ(list.columns[2].SelectedItem(), a1);
}

TEST_F(Outline, MovingABlockKeepsTheRing) {
  list.MoveBlockBefore(s1, 0);  // S1 with its bookmarks to the end
  std::vector<uint16_t> order;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) order.push_back(i);
  EXPECT_EQ(order, (std::vector<uint16_t>{c1, s2, b4, c2, s3, a1, s1, b1, b2, sep, b3}));
  EXPECT_EQ(list.Prev(0, false), b3);
  list.MoveBlockBefore(s1, b1);  // into itself: refused
  EXPECT_EQ(list.Next(s1, false), b1);
}

TEST_F(Outline, ProgramWrittenListIsAFixedPointOfLoadAndSave) {
  listtest::TempFolder dir;
  std::string first = listtest::Render(list);
  std::string path = dir.Path("l.bkl");
  listtest::WriteBytes(path, first);
  BookmarkList reloaded;
  ASSERT_EQ(listtest::Open(reloaded, path), ListResult::ReadWrite);
  EXPECT_EQ(listtest::Render(reloaded), first);
  EXPECT_EQ(reloaded.Target(a1), b1);
  EXPECT_EQ(reloaded.bookmarkCount, list.bookmarkCount);
}

TEST(BookmarkList, TableGrowthFailureRefusesTheItem) {
  BookmarkList list;
  list.SetTableLimit(1500);
  // Room asked beyond the limit stops at it, and changes no outcome.
  EXPECT_TRUE(list.ReserveItems(5000));
  EXPECT_TRUE(list.ReserveItems(static_cast<size_t>(-1)));
  uint16_t last = 0;
  for (int i = 0; i < 2000; ++i) {
    uint16_t index = list.AddItem(0, Item(kLevelCategory, "C"), 0);
    if (index == 0) break;
    last = index;
  }
  EXPECT_EQ(last, 1499);
  EXPECT_FALSE(list.full);
}

TEST(ItemCodec, DecodeTable) {
  struct Case {
    std::string line;
    uint32_t id;
    int level;
    uint16_t flags;
    const char* title;
    uint8_t rating;
    uint16_t visits;
  };
  const Case cases[] = {
      {"5\t3\t16\t9\t\tT\tu\t\t\t\t\t\t\t7", 5, 2, 16, "T", 0, 0},  // Rating 7 reads 0
      {"5\t3\t16\t9\t\tT\tu\t\t\t\t\t\t\t5\t\t70000", 5, 2, 16, "T", 5, 65535},
      {"6\t1\t65535\t9\t\t  spaced  ", 6, 0, 0x0FFF, "spaced", 0, 0},
      {"", 0, -1, 0, "", 0, 0},
      {"99999999999\t999\tx", 0xFFFFFFFFu, 127, 0, "", 0, 0},
      {"7\t1\t0\t 99999999999x\t\tX", 7, 0, 0, "X", 0, 0},
      {"8\t1\t0\t 12\t\tY", 8, 0, 0, "Y", 0, 0},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    BookmarkItem r;
    DecodeLine(cases[i].line, true, &r);
    EXPECT_EQ(r.id, cases[i].id) << i;
    EXPECT_EQ(r.level, cases[i].level) << i;
    EXPECT_EQ(r.flags, cases[i].flags) << i;
    EXPECT_EQ(r.title, cases[i].title) << i;
    EXPECT_EQ(r.rating, cases[i].rating) << i;
    EXPECT_EQ(r.visits, cases[i].visits) << i;
    EXPECT_EQ(DecodeTimeModified(cases[i].line), DecodeHead(cases[i].line).timeModified) << i;
  }
  EXPECT_EQ(DecodeTimeModified("8\t1\t0\t 12\t\tY"), 12u);
}

// A new item's line, written from the record as it is, is the line of the
// record with the list's numbers and its notes encoded.
TEST(ItemCodec, NewItemLineIsTheRecordWithTheListsNumbers) {
  BookmarkItem bookmark;
  bookmark.level = kLevelBookmark;
  bookmark.title = " \tTitle\n ";
  bookmark.url = "http://u/\t";
  bookmark.notes = "a\tb\r\nc\t\t\t\t";
  bookmark.keywords = "\r";
  bookmark.login = " L\t";
  bookmark.browser = "b\tx";
  bookmark.dueVisitInterval = "2d";
  bookmark.visits = 3;
  BookmarkItem category;
  category.level = kLevelCategory;
  category.title = "News";
  category.notes = "\r\r";
  BookmarkItem alias;
  alias.level = kLevelBookmark;
  alias.aliasId = 4;
  for (const BookmarkItem* record : {&bookmark, &category, &alias}) {
    uint16_t flags = record == &category ? 0 : kFlagBookmark;
    NewLineNumbers numbers{77, flags, 5, 6};
    std::string line(EncodedLineBound(*record), '?');
    line.resize(EncodeNewLineInto(*record, numbers, &line[0]));
    BookmarkItem expected = *record;
    expected.id = 77;
    expected.index = 2;
    expected.flags = flags;
    expected.timeAdded = 5;
    expected.timeModified = 6;
    expected.notes = EncodeNoteText(record->notes);
    expected.keywords = EncodeNoteText(record->keywords);
    std::string encoded;
    EncodeLine(expected, &encoded);
    EXPECT_EQ(line, encoded);
    EXPECT_EQ(NoteTextIsEmpty(record->notes), expected.notes.empty());
  }
}

TEST(ItemCodec, EncodeShapes) {
  BookmarkItem root;
  root.timeModified = 7;
  root.flags = kFlagKeepSorted;
  BookmarkItem alias;
  alias.index = 4;
  alias.id = 12;
  alias.level = kLevelBookmark;
  alias.timeModified = 8;
  alias.aliasId = 3;
  alias.title = "ignored";
  BookmarkItem category;
  category.index = 1;
  category.id = 2;
  category.level = kLevelCategory;
  category.timeModified = 9;
  category.title = "News";
  category.url = "not written";
  category.notes = "a\nb";
  BookmarkItem bookmark;
  bookmark.index = 5;
  bookmark.id = 20;
  bookmark.level = kLevelBookmark;
  bookmark.flags = kFlagBookmark | kFlagHasLogin;
  bookmark.timeModified = 10;
  bookmark.title = "T";
  bookmark.url = "U";
  bookmark.login = "L";
  bookmark.rating = 3;
  bookmark.timeAdded = 11;
  bookmark.dueVisitInterval = "1.5d";
  bookmark.timeSiteChecked = 12;
  BookmarkItem stray;  // ID 0 away from the root keeps its fields
  stray.index = 9;
  stray.level = kLevelCategory;
  stray.title = "Stray";
  struct Case {
    const BookmarkItem* record;
    std::string line;
  };
  const Case cases[] = {
      {&root, "0\t0\t512\t7"},
      {&alias, "12\t3\t0\t8\t3"},
      {&category, "2\t1\t0\t9\t\tNews\t\ta\\nb"},
      {&bookmark, "20\t3\t1040\t10\t\tT\tU\t\t\tL\t\t\t\t3\t11\t\t\t\t\t1.5d\t\t\t12"},
      {&stray, "0\t1\t0\t0\t\tStray"},
  };
  for (const Case& c : cases) {
    std::string line;
    EncodeLine(*c.record, &line);
    EXPECT_EQ(line, c.line);
  }
  // A full bookmark line holds 22 tabs.
  bookmark.timeSiteChecked = 0;
  bookmark.keywords = "k";
  std::string line;
  EncodeLine(bookmark, &line);
  bookmark.timeSiteChecked = 1;
  std::string full;
  EncodeLine(bookmark, &full);
  EXPECT_EQ(std::count(full.begin(), full.end(), '\t'), 22);
  EXPECT_EQ(line + "\t\t\t1", full);  // empty trailing fields are not written
}

TEST(ItemCodec, NoteTextRoundTrip) {
  EXPECT_EQ(EncodeNoteText("a\tb\r\nc\nd"), "a    b\\nc\\nd");
  EXPECT_EQ(EncodeNoteText(EncodeNoteText("x\ty\n")), EncodeNoteText("x\ty\n"));
  EXPECT_EQ(DecodeNoteText("line\\nnext\\"), "line\r\nnext\\");
  EXPECT_EQ(CleanLineText("\t a\tb\r\n "), "a b");
}

}  // namespace
