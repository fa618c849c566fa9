// Random sequences of editing operations on generated outlines: the
// outline stays well formed and every intermediate list is written and
// read back unchanged.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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

using Rng = std::mt19937;

int Pick(Rng& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

std::vector<uint16_t> LiveItems(const BookmarkList& list) {
  std::vector<uint16_t> items;
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true)) items.push_back(i);
  return items;
}

void Generate(BookmarkList& list, Rng& rng) {
  auto add = [&](int8_t level, const std::string& title, uint16_t flags) {
    BookmarkItem r;
    r.level = level;
    r.title = title;
    r.flags = flags;
    if (level == kLevelBookmark && !(flags & kFlagSeparator))
      r.url = "http://site" + std::to_string(Pick(rng, 12)) + ".example/";
    r.visits = static_cast<uint16_t>(Pick(rng, 5));
    return list.AddItem(0, r, 0);
  };
  list.smartFolderIndex[0] = add(kLevelCategory, "SmartFolders", kFlagSmartFolder);
  list.smartFolderIndex[kSmartRecentlyAdded] =
      add(kLevelSubcategory, "Recently added", kFlagSmartFolder | kSmartRecentlyAdded);
  std::vector<uint16_t> bookmarks;
  for (int c = 0, cn = 2 + Pick(rng, 3); c < cn; ++c) {
    add(kLevelCategory, "C" + std::to_string(Pick(rng, 50)), 0);
    for (int s = 0, sn = 1 + Pick(rng, 3); s < sn; ++s) {
      add(kLevelSubcategory, "S" + std::to_string(Pick(rng, 50)), 0);
      for (int b = 0, bn = 1 + Pick(rng, 4); b < bn; ++b) {
        if (Pick(rng, 8) == 0) {
          add(kLevelBookmark, "", kFlagSeparator);
        } else if (!bookmarks.empty() && Pick(rng, 5) == 0) {
          uint16_t target = bookmarks[Pick(rng, static_cast<int>(bookmarks.size()))];
          list.AddAlias(0, target, DecodeHead(list.Line(target)).id);
        } else {
          bookmarks.push_back(add(kLevelBookmark, "B" + std::to_string(Pick(rng, 50)), 0));
        }
      }
    }
  }
  uint16_t target = bookmarks[Pick(rng, static_cast<int>(bookmarks.size()))];
  list.AddAlias(0, target, DecodeHead(list.Line(target)).id);  // into Recently added
}

// Selects a random path in the columns.
void SelectSomewhere(BookmarkList& list, Rng& rng) {
  for (int level = 0; level < 3; ++level) {
    uint16_t parent = level == 0 ? 0 : list.columns[level - 1].SelectedItem();
    list.FillColumn(level, 0);
    const std::vector<uint16_t>& e = list.columns[level].entries;
    if ((level > 0 && parent == 0) || e.empty() || Pick(rng, 4) == 0) continue;
    list.FillColumn(level, e[Pick(rng, static_cast<int>(e.size()))]);
  }
}

std::string Operate(BookmarkList& list, Rng& rng) {
  std::vector<uint16_t> live = LiveItems(list);
  if (live.empty()) return "empty";
  uint16_t any = live[Pick(rng, static_cast<int>(live.size()))];
  SelectSomewhere(list, rng);
  int level = Pick(rng, 3);
  switch (Pick(rng, 14)) {
    case 0:
    case 1:
      Mark(list, any, Pick(rng, 3), Pick(rng, 2) == 0, Pick(rng, 2) == 0);
      return "Mark";
    case 2: {
      std::vector<uint16_t> same;
      for (uint16_t i : live)
        if (list.Level(i) == list.Level(any)) same.push_back(i);
      MoveBefore(list, any, same[Pick(rng, static_cast<int>(same.size()))], Pick(rng, 2) == 0);
      return "MoveBefore";
    }
    case 3:
    case 4: {
      const ListColumn& column = list.columns[level];
      uint16_t position = Pick(rng, 2) == 0 ? column.SelectedItem() : 0;
      TransferMarked(list, nullptr, level, position, Pick(rng, 2));
      return "TransferMarked";
    }
    case 5:
      DeleteItem(list, any, Pick(rng, 2) == 0, Pick(rng, 3) != 0);
      return "DeleteItem";
    case 6:
      DeleteMarked(list);
      return "DeleteMarked";
    case 7:
      if (Pick(rng, 3) == 0) PurgeDeleted(list);
      for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false))
        if (list.IsDeleted(i) && Pick(rng, 3) == 0) Undelete(list, i);
      return "Purge/Undelete";
    case 8:
      InsertSeparator(list, level);
      ToggleBold(list, level);
      return "Separator/Bold";
    case 9:
      SortSiblings(list, any, Pick(rng, 3));
      return "SortSiblings";
    case 10:
      SortColumn(list, level);
      return "SortColumn";
    case 11:
      SortAll(list, Pick(rng, 2) == 0 ? 0 : list.columns[0].SelectedItem(), Pick(rng, 2) == 0);
      return "SortAll";
    case 12: {
      uint16_t first = NextDuplicate(list, any);
      if (first == 0) return "NextDuplicate";
      std::vector<uint16_t> rows{first};
      BookmarkItem a, b;
      list.DecodeInto(first, false, &a);
      for (uint16_t i : live)
        if (i != first && !list.IsAlias(i) && list.TestFlags(i, kFlagBookmark)) {
          list.DecodeInto(i, false, &b);
          if (b.url == a.url) rows.push_back(i);
        }
      return ConvertToAliases(list, rows) != 0 ? "ConvertToAliases" : "convert refused";
    }
    default:
      ClearAllMarks(list);
      return "ClearAllMarks";
  }
}

// Empty when the outline is well formed, else what is wrong.
std::string CheckOutline(const BookmarkList& list) {
  int8_t previous = kLevelRoot;
  uint32_t bookmarks = 0;
  size_t steps = 0;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) {
    if (++steps > list.itemCount) return "the ring does not close";
    if (list.Link(list.Link(i).next).prev != i) return "broken back link at " + std::to_string(i);
    if (list.Level(i) > previous + 1) return "level steps by more than one at " + std::to_string(i);
    previous = list.Level(i);
    if (list.IsDeleted(i)) continue;
    if (list.IsDeleted(list.Parent(i))) return "live item under a deleted one: " + std::to_string(i);
    if (list.IsAlias(i)) {
      uint16_t t = list.Target(i);
      if (!InRing(list, t) || list.IsDeleted(t) || list.IsAlias(t) ||
          !list.TestFlags(t, kFlagHasAliases) ||
          DecodeHead(list.Line(i)).aliasId != DecodeHead(list.Line(t)).id)
        return "alias does not resolve: " + std::to_string(i);
    } else if (list.Level(i) == kLevelBookmark && list.TestFlags(i, kFlagBookmark)) {
      ++bookmarks;
    }
  }
  if (bookmarks != list.bookmarkCount) return "bookmarkCount differs from a recount";
  return "";
}

// Each seed is one sequence; the count keeps the sanitizer run short.
constexpr unsigned kSeeds = 400;

std::string Dump(const BookmarkList& list) {
  std::string out;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false))
    out += std::to_string(i) + ":" + std::to_string(list.Level(i)) +
           (list.IsDeleted(i) ? "d" : "") + (list.TestFlags(i, kFlagSeparator) ? "-" : "") + " ";
  return out;
}

TEST(ListEditProperty, RandomEditsKeepTheOutlineSound) {
  listtest::TempFolder folder;
  std::string path = folder.Path("p.bkl");
  for (unsigned seed = 1; seed <= kSeeds; ++seed) {
    Rng rng(seed);
    listtest::ManualClock clock;
    BookmarkList list;
    clock.Attach(list);
    list.salt = "abcdefghij";
    Generate(list, rng);
    std::string trail;
    for (int step = 0; step < 10; ++step) {
      clock.now += 7;
      std::string before = Dump(list);
      trail += Operate(list, rng) + " ";
      std::string fault = CheckOutline(list);
      ASSERT_EQ(fault, "") << "seed " << seed << ": " << trail << "\n" << before << "\n"
                           << Dump(list);
      std::string bytes = listtest::Render(list);
      listtest::WriteBytes(path, bytes);
      BookmarkList reloaded;
      clock.Attach(reloaded);
      ASSERT_TRUE(HeaderAllowsLoading(listtest::Open(reloaded, path))) << "seed " << seed << ": " << trail;
      ASSERT_FALSE(reloaded.needsRepair) << "seed " << seed << ": " << trail;
      ASSERT_EQ(listtest::Render(reloaded), bytes) << "seed " << seed << ": " << trail;
      ASSERT_EQ(reloaded.bookmarkCount, list.bookmarkCount) << "seed " << seed << ": " << trail;
    }
  }
}

}  // namespace
