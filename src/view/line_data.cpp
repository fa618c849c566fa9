#include "view/line_data.h"

#include "list/bookmark_list.h"

uint32_t ComputeLineData(const BookmarkList& list, uint16_t index, bool highlightingMatches) {
  // Marks and search results belong to the link; everything else to the
  // item the link stands for.
  const uint16_t linkFlags = list.Link(index).flags;
  const uint16_t itemFlags = list.Link(list.Target(index)).flags;
  uint32_t data = 0;
  if (linkFlags & kFlagMarked)
    data = kColorMarked;
  else if (highlightingMatches && !(linkFlags & kFlagSearchMatch))
    data = kColorNotMatch;
  // While anything is marked the marks must stand out alone.
  if (data == 0 && list.markedCount[0] == 0 && (itemFlags & kFlagRecentlyVisited))
    data = kColorRecentVisit;
  if (itemFlags & kFlagSeparator) data |= kLineSeparator;
  if (itemFlags & kFlagHasNotes) data |= kLineHasNotes;
  if (itemFlags & kFlagHasLogin) data |= kLineHasLogin;
  if (itemFlags & (kFlagBold | kFlagSmartFolder)) data |= kLineBold;
  return data;
}

std::string LineText(BookmarkList& list, uint16_t index) {
  BookmarkItem record;
  list.DecodeInto(index, true, &record);
  return record.title;
}
