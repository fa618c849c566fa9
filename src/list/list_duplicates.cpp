#include "list/list_duplicates.h"

#include <map>
#include <string>

#include "list/item_codec.h"
#include "list/list_edit.h"
#include "platform/platform.h"

namespace {

constexpr char kNoteBreak[] = "\\n\\n";

bool TakesPart(const BookmarkList& list, uint16_t i) {
  return list.Level(i) == kLevelBookmark && !list.IsAlias(i) && !list.IsDeleted(i) &&
         list.TestFlags(i, kFlagBookmark) && !list.TestFlags(i, kFlagSeparator);
}

std::string AddressKey(BookmarkList& list, uint16_t i) {
  BookmarkItem& r = list.ScratchRecord();
  list.DecodeInto(i, false, &r);
  return platform::LowerAnsiText(r.url);
}

}  // namespace

uint16_t NextDuplicate(BookmarkList& list, uint16_t startIndex) {
  if (startIndex == 0) startIndex = DeepestSelection(list);
  std::map<std::string, int> counts;
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true))
    if (TakesPart(list, i)) {
      std::string key = AddressKey(list, i);
      if (!key.empty()) ++counts[key];
    }
  uint16_t i = startIndex == 0 ? list.Next(0, true) : list.Next(startIndex, true);
  for (; i != 0; i = list.Next(i, true)) {
    if (!TakesPart(list, i)) continue;
    std::string key = AddressKey(list, i);
    if (!key.empty() && counts[key] > 1) return i;
  }
  return 0;
}

void MergeInto(BookmarkList& list, uint16_t keeper, uint16_t other) {
  BookmarkItem o;
  list.DecodeInto(other, true, &o);
  BookmarkItem k;
  list.DecodeInto(keeper, true, &k);
  if (!o.notes.empty() && o.notes != k.notes)
    k.notes = k.notes.empty() ? o.notes : k.notes + kNoteBreak + o.notes;
  if (!o.keywords.empty() && o.keywords != k.keywords) k.keywords = o.keywords;
  if (k.login.empty()) k.login = o.login;
  if (k.password.empty()) k.password = o.password;
  if (k.browser.empty()) k.browser = o.browser;
  if (k.rating == 0) k.rating = o.rating;
  if (k.hotkey == 0) k.hotkey = o.hotkey;
  if (k.timeDueVisit == 0 && k.dueVisitInterval.empty()) {
    k.timeDueVisit = o.timeDueVisit;
    k.dueVisitInterval = o.dueVisitInterval;
  }
  uint32_t visits = static_cast<uint32_t>(k.visits) + o.visits;
  k.visits = static_cast<uint16_t>(visits > 0xFFFF ? 0xFFFF : visits);
  if (o.timeLastVisit > k.timeLastVisit) {
    k.timePreviousVisit = k.timeLastVisit;
    k.timeLastVisit = o.timeLastVisit;
  } else if (k.timePreviousVisit < o.timeLastVisit) {
    k.timePreviousVisit = o.timePreviousVisit;
  }
  if (o.timeSiteChecked > k.timeSiteChecked) {
    k.siteStatus = o.siteStatus;
    k.dateSiteUpdated = o.dateSiteUpdated;
    k.timeSiteChecked = o.timeSiteChecked;
  }
  if (o.timeAdded != 0 && o.timeAdded < k.timeAdded) k.timeAdded = o.timeAdded;
  list.Encode(k);
}

bool MakeAlias(BookmarkList& list, uint16_t index, uint16_t targetIndex, uint32_t targetId) {
  if (index == targetIndex || index == kRootIndex || targetIndex == kRootIndex ||
      !list.IsIndex(index) || !list.IsIndex(targetIndex) || list.IsAlias(index) ||
      list.IsAlias(targetIndex) || list.Level(index) != kLevelBookmark ||
      !list.TestFlags(index, kFlagBookmark) || list.IsDeleted(targetIndex))
    return false;
  std::vector<uint16_t> pointing;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false))
    if (list.Link(i).aliasTarget == index) pointing.push_back(i);
  uint32_t id = DecodeHead(list.Line(index)).id;
  bool live = !list.IsDeleted(index);
  list.SetFlags(index, kItemFlagBits, 0);
  list.SetAliasTarget(index, targetIndex);
  BookmarkItem alias;
  alias.id = id;
  alias.level = kLevelBookmark;
  alias.aliasId = targetId;
  alias.timeModified = list.Now();
  alias.index = alias.viaIndex = index;
  alias.decoded = 2;
  list.Encode(alias);
  if (live && list.bookmarkCount > 0) --list.bookmarkCount;
  for (uint16_t p : pointing) {
    list.SetAliasTarget(p, targetIndex);
    BookmarkItem r;
    list.DecodeInto(p, false, &r);
    r.aliasId = targetId;
    r.timeModified = list.Now();
    list.Encode(r);
  }
  list.SetFlags(targetIndex, kFlagHasAliases, 1);
  return true;
}

uint16_t ConvertToAliases(BookmarkList& list, const std::vector<uint16_t>& rows) {
  if (rows.size() < 2) return 0;
  std::string address;
  uint16_t keeper = 0;
  uint32_t latest = 0;
  for (size_t n = 0; n < rows.size(); ++n) {
    uint16_t i = rows[n];
    if (!list.IsIndex(i) || !TakesPart(list, i)) return 0;
    std::string key = AddressKey(list, i);
    if (n > 0 && key != address) return 0;
    address = key;
    uint32_t modified = DecodeHead(list.Line(i)).timeModified;
    if (keeper == 0 || modified > latest) {
      keeper = i;
      latest = modified;
    }
  }
  uint32_t keeperId = DecodeHead(list.Line(keeper)).id;
  for (size_t n = rows.size(); n-- > 0;) {
    if (rows[n] == keeper) continue;
    MergeInto(list, keeper, rows[n]);
    MakeAlias(list, rows[n], keeper, keeperId);
  }
  list.Touch(keeper);
  RefillColumns(list);
  return keeper;
}
