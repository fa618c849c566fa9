#include "exchange/import_collection.h"

#include "exchange/import_outline.h"
#include "exchange/import_sources.h"
#include "list/list_sort.h"

int ImportCollection(BookmarkList& list, int sourceCode, const std::string& path,
                     const ImportOptions& options) {
  const ImportSource* source = ImportSourceAt(sourceCode);
  if (!source || !source->import) return kImportFailed;
  const uint16_t lastOld = list.itemCount;
  if (source->import(list, path, options.rating) != kImportOk) return kImportFailed;
  if (options.addHttp) AddHttpPrefixes(list);
  if (options.sort) SortItemsAfter(list, lastOld);
  list.modified = true;
  return kImportOk;
}

int AddHttpPrefixes(BookmarkList& list) {
  int changed = 0;
  for (uint16_t index = 1; index <= list.itemCount; ++index) {
    // An alias carries no address of its own: its target is visited too.
    if (list.IsAlias(index) || !list.TestFlags(index, kFlagBookmark)) continue;
    BookmarkItem record;
    list.DecodeInto(index, false, &record);
    if (record.url.empty() || record.url.find("://") != std::string::npos ||
        record.url.find('\\') != std::string::npos)
      continue;
    record.url = "http://" + record.url;
    if (list.Encode(record) == 0) ++changed;
  }
  return changed;
}

void SortItemsAfter(BookmarkList& list, uint16_t lastOldIndex) {
  for (uint32_t at = lastOldIndex + 1u; at <= list.itemCount; ++at) {
    const uint16_t index = static_cast<uint16_t>(at);
    if (list.IsDeleted(index)) continue;
    // Each group is sorted from its first new member: the one whose
    // previous sibling (if any) is older.
    SiblingResult previous = list.PrevSibling(index, true);
    if (previous.result == 1 && previous.index > lastOldIndex) continue;
    SortSiblings(list, index, kSortByTitle);
  }
}

std::string ProposedListFileName(int sourceCode) {
  const ImportSource* source = ImportSourceAt(sourceCode);
  return source ? std::string(source->shortName) + " bookmarks.bkl" : std::string();
}
