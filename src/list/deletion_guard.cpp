#include "list/deletion_guard.h"

#include "list/backups.h"
#include "list/list_paths.h"
#include "platform/platform.h"

uint32_t CountLiveItems(const BookmarkList& list) {
  uint32_t live = 0;
  for (uint16_t i = list.Next(kRootIndex, true); i != kRootIndex; i = list.Next(i, true)) {
    if (list.IsAlias(i)) continue;
    uint16_t flags = list.Link(i).flags;
    if ((flags & (kFlagSeparator | kFlagSmartFolder)) == 0) ++live;
  }
  return live;
}

bool IsLargeDeletion(uint32_t before, uint32_t after) {
  if (after >= before) return false;
  uint32_t lost = before - after;
  return lost > kLargeDeletionItems ||
         static_cast<uint64_t>(lost) * kLargeDeletionShare > static_cast<uint64_t>(before);
}

uint32_t GuardLargeDeletion(const BookmarkList& list, uint32_t now) {
  uint32_t live = CountLiveItems(list);
  if (IsLargeDeletion(list.liveItemsSaved, live) && platform::FileExists(list.path.c_str()))
    CopyFileStamped(list.path, BackupPath(list.path, BackupKind::kBeforeLargeDeletion), now);
  return live;
}
