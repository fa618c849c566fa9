#include "setup/list_relocation.h"

#include <windows.h>

#include "list/list_paths.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "setup/file_tree.h"
#include "setup/program_files.h"

namespace {

// Every backup the list keeps beside itself: "Autobackup of X",
// "Autobackup (older) of X", ... "Autobackup (corrupted date) of X".
constexpr char kBackupPattern[] = "Autobackup* of ";

std::string FileNameOf(const std::string& path) {
  size_t cut = path.find_last_of('\\');
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// True when nothing holds the file in a way that keeps it from being
// deleted (another program with the list open, say).
bool CanBeDeleted(const std::string& path) {
  HANDLE file =
      CreateFileA(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// Copy, then delete: the list is never lost half way. True when moved;
// false leaves only the old file, so that it stays the one the menu names
// (a copy whose original could not be deleted is removed again).
bool MoveFileAcross(const std::string& from, const std::string& to) {
  SetFileAttributesA(from.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!CanBeDeleted(from)) return false;
  SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) return false;
  if (DeleteFileA(from.c_str())) return true;
  DeleteFileA(to.c_str());
  return false;
}

void MoveBackups(const std::string& fileName, const std::string& from, const std::string& to) {
  for (const std::string& name : MatchingFiles(from + kBackupPattern + fileName)) {
    // The pattern's "*" also matches a longer list name ending in this one.
    if (name.size() < fileName.size() + 4 ||
        name.compare(name.size() - fileName.size() - 4, 4, " of ") != 0)
      continue;
    MoveFileAcross(from + name, to + name);
  }
}

// Moves one list; false when it stays where it was.
bool MoveOneList(KnownListEntry* list, const std::string& from, const std::string& to,
                 InstallPrompter* prompter) {
  const std::string fileName = FileNameOf(list->path);
  const std::string target = to + fileName;
  if (IsExistingFile(target) &&
      prompter->Ask(IDS_OVERWRITE_MOVED_LIST, platform::kMbYesNo | platform::kMbIconQuestion,
                    {target, list->path}) != platform::kIdYes)
    return false;
  if (!MoveFileAcross(list->path, target)) {
    prompter->Ask(IDS_CANNOT_MOVE_LIST, platform::kMbOk | platform::kMbIconWarning, {list->path});
    return false;
  }
  MoveBackups(fileName, from, to);
  list->path = target;
  return true;
}

}  // namespace

void MoveListsToFolder(Settings* settings, const std::string& oldFolder,
                       const std::string& newFolder, InstallPrompter* prompter) {
  if (oldFolder.empty() || newFolder.empty() || SameFolder(oldFolder, newFolder)) return;
  const std::string from = WithBackslash(oldFolder);
  const std::string to = WithBackslash(newFolder);
  for (size_t i = 0; i < settings->lists.size();) {
    KnownListEntry& list = settings->lists[i];
    if (!SameFolder(FolderOfPath(list.path), from)) {
      ++i;
      continue;
    }
    if (!IsExistingFile(list.path)) {
      if (prompter->Ask(IDS_LIST_UNREACHABLE, platform::kMbYesNo | platform::kMbIconQuestion,
                        {list.path}) == platform::kIdNo) {
        settings->lists.erase(settings->lists.begin() + static_cast<std::ptrdiff_t>(i));
        int current = settings->currentListIndex;
        if (current > static_cast<int>(i))
          settings->currentListIndex = current - 1;
        else if (current == static_cast<int>(i))
          settings->currentListIndex = 0;
        continue;
      }
      ++i;
      continue;
    }
    MoveOneList(&list, from, to, prompter);
    ++i;
  }
}

bool FolderHasList(const std::string& folder) {
  return !MatchingFiles(WithBackslash(folder) + "*" + kListExtension).empty();
}

bool AddStarterList(Settings* settings, const std::string& listFolder,
                    const std::string& sampleList) {
  if (listFolder.empty()) return false;
  const std::string path = WithBackslash(listFolder) + kStarterListName + kListExtension;
  // Settings lost but the starter list still there: put it back in the menu
  // rather than leave the user with no list at all.
  if (settings->lists.empty() && IsExistingFile(path)) {
    settings->lists.push_back({kStarterListName, path, 0});
    settings->currentListIndex = 0;
    return true;
  }
  if (FolderHasList(listFolder) || !IsExistingFile(sampleList)) return false;
  if (!CopyFileA(sampleList.c_str(), path.c_str(), TRUE)) return false;
  // The sample may have come from a read-only medium.
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  bool wasEmpty = settings->lists.empty();
  settings->lists.push_back({kStarterListName, path, 0});
  if (wasEmpty) settings->currentListIndex = 0;
  return true;
}
