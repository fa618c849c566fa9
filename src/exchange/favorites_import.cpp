#include "exchange/favorites_import.h"

#include <algorithm>
#include <vector>

#include "exchange/import_outline.h"
#include "exchange/internet_shortcut.h"
#include "list/item_codec.h"
#include "platform/folder_listing.h"
#include "platform/platform.h"
#include "platform/shell_link.h"

namespace {

std::string Join(const std::string& folder, const std::string& name) {
  if (!folder.empty() && platform::IsPathSeparator(folder.back())) return folder + name;
  return folder + platform::PreferredSeparator() + name;
}

// The address of one shortcut file, by its extension; false for a file
// that is no readable shortcut.
bool ShortcutAddress(const std::string& path, const std::string& extension, std::string* address) {
  if (extension == "url") {
    std::string title;
    return ReadUrlFile(path, address, &title) == 0;
  }
  if (extension == "lnk") return platform::ReadShellLink(path, address) == 0;
  return false;
}

// Appends the folder's shortcut files; false when the list became full.
bool ImportFiles(ImportAppender& appender, const std::string& folder,
                 const std::vector<platform::FolderEntry>& entries, int depth, uint8_t rating) {
  for (const platform::FolderEntry& entry : entries) {
    if (entry.isFolder) continue;
    size_t dot = entry.name.rfind('.');
    if (dot == std::string::npos) continue;
    std::string address;
    if (!ShortcutAddress(Join(folder, entry.name),
                         platform::LowerAnsiText(entry.name.substr(dot + 1)), &address))
      continue;
    while (depth <= 0) {
      ++depth;
      appender.AppendFiller(depth);
    }
    BookmarkItem link = NewLink(rating);
    link.title = entry.name.substr(0, dot);
    link.url = CleanLineText(address);
    link.timeAdded = std::min(entry.created, entry.lastWritten);
    appender.Append(link);
    if (appender.Full()) return false;
  }
  return true;
}

int ImportTree(ImportAppender& appender, const std::string& folder, int depth, uint8_t rating) {
  std::vector<platform::FolderEntry> entries;
  if (!platform::ListFolder(folder, &entries)) return kImportFailed;
  if (!ImportFiles(appender, folder, entries, depth, rating)) return kImportOk;
  for (const platform::FolderEntry& entry : entries) {
    if (!entry.isFolder) continue;
    appender.Append(NewContainer(std::min(depth + 1, 1), entry.name));
    if (appender.Full()) break;
    // A sub-folder that cannot be listed keeps its (empty) container.
    ImportTree(appender, Join(folder, entry.name), depth + 1, rating);
    if (appender.Full()) break;
  }
  return kImportOk;
}

}  // namespace

int ImportFavoritesFolder(BookmarkList& list, const std::string& folder, int depth,
                          uint8_t rating) {
  ImportAppender appender(list);
  return ImportTree(appender, folder, depth, rating);
}

int ImportFavoritesTree(BookmarkList& list, const std::string& folder, uint8_t rating) {
  return ImportFavoritesFolder(list, folder, -1, rating);
}
