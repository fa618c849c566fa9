#include "exchange/export_selection.h"

bool ExportWalk::LeftOut(uint16_t index) const {
  if (selection_.onlyMarked && !list_.TestFlags(index, kFlagMarked)) return true;
  return selection_.excludeSmartFolders && list_.TestFlags(index, kFlagSmartFolder);
}

uint16_t ExportWalk::Next() {
  for (at_ = list_.Next(at_, true); at_ != kRootIndex; at_ = list_.Next(at_, true)) {
    int level = list_.Level(at_);
    if (skipBelow_ >= 0 && level > skipBelow_) continue;
    skipBelow_ = -1;
    if (!LeftOut(at_)) return at_;
    skipBelow_ = level;
  }
  return kRootIndex;
}
