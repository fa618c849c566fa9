#include "cli_favorites.h"

#include <cstring>
#include <string>
#include <vector>

#include "cli_export.h"
#include "cli_messages.h"
#include "exchange/favorites_export.h"
#include "list/bookmark_list.h"
#include "platform/platform.h"
#include "util/messages.h"

namespace {

int Usage() {
  std::fputs("usage: vellox-cli export favorites LIST FOLDER [--marked] [--no-smartfolders]\n",
             stderr);
  return 2;
}

// The export's problem message is answered with OK (go on with the next
// bookmark); the skipped bookmarks are printed from the export's record.
int GoOn(void*, const std::string&, const std::string&, unsigned) { return platform::kIdOk; }

std::string ReasonText(const FavoriteSkip& skip) {
  switch (skip.reason) {
    case FavoriteSkipReason::kNotAProgramPath:
      return "not an Internet address or program path";
    case FavoriteSkipReason::kNoShellLinks:
      return "needs a shell link";
    case FavoriteSkipReason::kCannotWriteFile:
      break;
  }
  return skip.code > 0 ? SystemErrorText(static_cast<uint32_t>(skip.code))
                       : std::string("cannot write the shortcut");
}

}  // namespace

int RunFavoritesExportCommand(int argc, char** args, std::FILE* out) {
  if (argc < 2) return Usage();
  ExportSelection selection;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(args[i], "--marked") == 0)
      selection.onlyMarked = true;
    else if (std::strcmp(args[i], "--no-smartfolders") == 0)
      selection.excludeSmartFolders = true;
    else
      return Usage();
  }
  BookmarkList list;
  if (!LoadListForExport(list, args[0], "", out)) return 1;
  std::vector<FavoriteSkip> skipped;
  SetMessageBoxHandler(GoOn);
  int result = ExportFavoritesFolder(list, nullptr, args[1], selection, &skipped);
  SetMessageBoxHandler(nullptr);
  for (const FavoriteSkip& skip : skipped)
    std::fprintf(out, "skipped: %s :: %s :: %s (%s)\n", skip.category.c_str(),
                 skip.subcategory.c_str(), skip.title.c_str(), ReasonText(skip).c_str());
  std::fprintf(out, "result: %d\n", result);
  return result == 0 && skipped.empty() ? 0 : 1;
}
