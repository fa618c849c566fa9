#include "list/visits.h"

#include "list/due_visit.h"
#include "list/site_status.h"
#include "list/smart_folders.h"

bool RecordVisit(BookmarkList& list, uint16_t index) {
  if (index == kRootIndex || !list.IsIndex(index)) return false;
  uint32_t now = list.Now();
  BookmarkItem& r = list.Decode(index, true);
  uint16_t target = r.index;
  bool counted = now - r.timeLastVisit > kVisitRecountSeconds;  // unsigned on purpose
  if (counted) {
    r.timePreviousVisit = r.timeLastVisit;
    if (r.siteStatus == kSiteUpdated) r.siteStatus = kSiteOk;
    if (r.visits < 0xFFFF) ++r.visits;
  }
  r.timeLastVisit = now;
  RescheduleDueVisit(&r, now);
  list.Encode(r);
  if (counted && list.settings.recentPeriod != 0) {
    list.SetFlags(index, kFlagRecentlyVisited, 1);
    list.SetFlags(target, kFlagRecentlyVisited, 1);
  }
  AddToSmartFolder(list, kSmartRecentlyVisited, target);
  AddToSmartFolder(list, kSmartFrequentlyVisited, target);
  return counted;
}

void SetVisitNever(BookmarkList& list, uint16_t index) {
  if (index == kRootIndex || !list.IsIndex(index)) return;
  BookmarkItem& r = list.Decode(index, true);
  uint16_t target = r.index;
  r.visits = 0;
  r.timeLastVisit = 0;
  r.timePreviousVisit = 0;
  list.Encode(r);
  list.SetFlags(index, kFlagRecentlyVisited, 0);
  list.SetFlags(target, kFlagRecentlyVisited, 0);
}
