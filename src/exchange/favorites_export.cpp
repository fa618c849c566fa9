#include "exchange/favorites_export.h"

#include "exchange/import_sources.h"
#include "exchange/internet_shortcut.h"
#include "exchange/shortcut_names.h"
#include "platform/platform.h"
#include "platform/shell_link.h"
#include "resources/resource.h"
#include "util/messages.h"

namespace {

constexpr FavoritesTarget kTargets[kFavoritesTargetCount] = {
    {"&Internet Explorer Favorites", "iexplore", kFavoritesSource},
    {"&Start Menu shortcuts", "start", kStartMenuSource},
};

constexpr int kLinkFailed = -1;

std::string WithSeparator(std::string folder) {
  if (folder.empty() || !platform::IsPathSeparator(folder.back()))
    folder += platform::PreferredSeparator();
  return folder;
}

// Writes one bookmark into folder as name + ".url" or ".lnk"; 0, or the
// failure's code with its reason.
int WriteShortcut(const std::string& folder, const std::string& name, const std::string& address,
                  FavoriteSkipReason* reason) {
  if (IsInternetAddress(address)) {
    std::string written;
    *reason = FavoriteSkipReason::kCannotWriteFile;
    return static_cast<int>(WriteUrlFile(folder, name, address, &written));
  }
  std::string target, arguments;
  if (!SplitProgramAddress(address, &target, &arguments)) {
    *reason = FavoriteSkipReason::kNotAProgramPath;
    return kLinkFailed;
  }
  *reason = platform::ShellLinksAvailable() ? FavoriteSkipReason::kCannotWriteFile
                                            : FavoriteSkipReason::kNoShellLinks;
  return platform::WriteShellLink(target, folder + name + kShellLinkExtension, arguments);
}

}  // namespace

const FavoritesTarget* FavoritesTargetAt(int index) {
  return index >= 0 && index < kFavoritesTargetCount ? &kTargets[index] : nullptr;
}

int ExportFavoritesFolder(BookmarkList& list, void* owner, const std::string& folder,
                          ExportSelection selection, std::vector<FavoriteSkip>* skipped) {
  if (!platform::FolderExists(folder.c_str())) return -1;
  // The folder of each open level: [0] the target, [1] the category's, [2]
  // the subcategory's.
  std::vector<std::string> open = {WithSeparator(folder)};
  std::string category, subcategory;
  ExportWalk walk(list, selection);
  for (uint16_t index = walk.Next(); index != kRootIndex; index = walk.Next()) {
    if (list.TestFlags(index, kFlagSeparator)) continue;
    BookmarkItem item;
    list.DecodeInto(index, true, &item);
    int level = list.Level(index);
    std::string name = ShortcutFileName(item.title);
    if (level == kLevelBookmark) {
      FavoriteSkipReason reason;
      int code = WriteShortcut(open.back(), name, item.url, &reason);
      if (code == 0) continue;
      if (skipped) skipped->push_back({category, subcategory, item.title, reason, code});
      if (MessageFromTable(owner, IDS_FAVORITE_EXPORT_PROBLEM,
                           platform::kMbOkCancel | platform::kMbIconWarning,
                           {category, subcategory, item.title}) != platform::kIdOk)
        return code;
      continue;
    }
    while (static_cast<int>(open.size()) > level + 1) open.pop_back();
    std::string made = open.back() + name;
    uint32_t error = platform::CreateFolder(made.c_str());
    if (error != platform::kErrorNone && error != platform::kErrorAlreadyExists)
      return static_cast<int>(error);
    open.push_back(WithSeparator(made));
    (level == kLevelCategory ? category : subcategory) = item.title;
  }
  return 0;
}
