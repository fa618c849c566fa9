#include "view/tray_menu_entries.h"

#include "list/smart_folders.h"
#include "util/menu_text.h"

namespace {

uint16_t SmartFolder(const BookmarkList& list, int smartType) {
  if (smartType <= kSmartFolders || smartType >= kSmartFolderSlots) return 0;
  const uint16_t folder = list.smartFolderIndex[static_cast<size_t>(smartType)];
  return folder != 0 && list.IsIndex(folder) && !list.IsDeleted(folder) ? folder : 0;
}

}  // namespace

std::vector<TrayMenuEntry> TrayMenuEntries(BookmarkList& list, int smartType) {
  std::vector<TrayMenuEntry> entries;
  const uint16_t folder = SmartFolder(list, smartType);
  if (!folder) return entries;
  MaintainSmartFolder(list, folder);
  const int8_t entryLevel = static_cast<int8_t>(list.Level(folder) + 1);
  for (uint16_t i = list.Next(folder, true); i != 0 && list.Level(i) >= entryLevel;
       i = list.Next(i, true)) {
    if (list.Level(i) != entryLevel) continue;
    BookmarkItem record;
    list.DecodeInto(i, true, &record);
    TrayMenuEntry entry;
    entry.item = i;
    entry.separator = list.TestFlags(i, kFlagSeparator);
    entry.text = MenuEscaped(record.title);
    entries.push_back(std::move(entry));
  }
  return entries;
}

bool IsSmartFolderEntry(const BookmarkList& list, int smartType, uint16_t item) {
  const uint16_t folder = SmartFolder(list, smartType);
  return folder && item != 0 && list.IsIndex(item) && !list.IsDeleted(item) &&
         list.Parent(item) == folder;
}
