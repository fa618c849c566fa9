// Which items of the open list an export writes, shared by the template
// export and the favorites folder export.
#pragma once

#include <cstdint>

#include "list/bookmark_list.h"

struct ExportSelection {
  bool onlyMarked = false;
  bool excludeSmartFolders = false;
};

// Steps through the items an export writes, in outline order. Deleted
// items are passed over; an item that is not marked (with onlyMarked) or
// that belongs to the SmartFolders (with excludeSmartFolders) is left out
// together with every item below it.
class ExportWalk {
 public:
  ExportWalk(const BookmarkList& list, ExportSelection selection)
      : list_(list), selection_(selection) {}
  // The next item to write, or kRootIndex after the last.
  uint16_t Next();

 private:
  bool LeftOut(uint16_t index) const;

  const BookmarkList& list_;
  ExportSelection selection_;
  uint16_t at_ = kRootIndex;
  int skipBelow_ = -1;  // items deeper than this level are left out
};
