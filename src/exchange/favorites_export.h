// Export of the open list as a favorites folder: categories and
// subcategories become folders, every bookmark one shortcut file named
// after its title (".url" for an Internet address, ".lnk" for a program).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exchange/export_selection.h"
#include "list/bookmark_list.h"

// Why a bookmark was not written.
enum class FavoriteSkipReason {
  kCannotWriteFile,  // the ".url" (or ".lnk") file could not be written
  kNotAProgramPath,  // not an Internet address, and no program path either
  kNoShellLinks,     // it needs a shell link, which this system lacks
};

struct FavoriteSkip {
  std::string category;     // titles of the current category,
  std::string subcategory;  // subcategory
  std::string title;        // and bookmark, as message 10035 shows them
  FavoriteSkipReason reason = FavoriteSkipReason::kCannotWriteFile;
  int code = 0;  // the failure's code: the system error, or -1
};

// The export dialog's two folder formats, rows of its format box beside the
// templates. sourceCode is the import source whose profile paths (the
// user's and the shared folder) the format proposes.
struct FavoritesTarget {
  const char* displayName;
  const char* key;
  int sourceCode;
};
constexpr int kFavoritesTargetCount = 2;
// The row of an index, or nullptr outside the table.
const FavoritesTarget* FavoritesTargetAt(int index);

// Writes the list into folder (which must exist), building full paths; the
// current directory is left alone. Separators are skipped; an existing
// folder is used as it is and an existing shortcut of the same name is
// replaced (two bookmarks of one title give one file: the later one's).
// A bookmark that cannot be written is recorded in skipped (when given) and
// reported with message 10035 (OK and Cancel, owned by owner): OK goes on
// with the next item, Cancel ends the export with the failure's code.
// Returns 0; -1 when folder does not exist; the system error of a folder
// that cannot be made; or the code of the failure the user cancelled at.
int ExportFavoritesFolder(BookmarkList& list, void* owner, const std::string& folder,
                          ExportSelection selection, std::vector<FavoriteSkip>* skipped = nullptr);
