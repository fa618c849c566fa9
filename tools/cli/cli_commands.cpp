#include "cli_commands.h"

#include "cli_messages.h"
#include "list/bookmark_list.h"
#include "list/list_file.h"
#include "platform/platform.h"

namespace {

// Opening as the program does: the header, then the lines when the header
// allows. The result is the header's unless loading reported something.
ListResult OpenList(BookmarkList& list, const std::string& path) {
  ListResult header = ReadHeader(list, path);
  if (!HeaderAllowsLoading(header)) return header;
  ListResult load = LoadLines(list, 0);
  return load == ListResult::ReadWrite ? header : load;
}

bool Loaded(ListResult r) {
  return r == ListResult::ReadWrite || r == ListResult::ReadOnly || r == ListResult::NeedsRepair ||
         r == ListResult::Full;
}

std::string FileName(const std::string& path) {
  size_t sep = platform::LastSeparator(path);
  return sep == std::string::npos ? path : path.substr(sep + 1);
}

void PrintMessage(std::FILE* out, const MessageText* message, const std::string& argument) {
  if (message) std::fprintf(out, "message: %s\n", MessageLine(*message, argument).c_str());
}

int Fail(std::FILE* out, ListResult result, const BookmarkList& list) {
  std::fprintf(out, "result: %s\n", ResultName(result));
  std::string argument =
      result == ListResult::CannotOpen ? SystemErrorText(list.lastError) : FileName(list.path);
  PrintMessage(out, MessageFor(result), argument);
  return 1;
}

}  // namespace

int RunInfo(const std::string& path, std::FILE* out) {
  BookmarkList list;
  ListResult result = OpenList(list, path);
  uint32_t items = 0, aliases = 0, deleted = 0;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) {
    ++items;
    if (list.IsAlias(i)) ++aliases;
    if (list.IsDeleted(i)) ++deleted;
  }
  std::fprintf(out, "result: %s\n", ResultName(result));
  std::fprintf(out, "items: %u\n", items);
  std::fprintf(out, "bookmarks: %u\n", list.bookmarkCount);
  std::fprintf(out, "aliases: %u\n", aliases);
  std::fprintf(out, "deleted: %u\n", deleted);
  std::fprintf(out, "lastId: %u\n", list.lastId);
  std::fprintf(out, "encryption: %u\n", list.encryptionOptions);
  if (Loaded(result)) return 0;
  PrintMessage(out, MessageFor(result),
               result == ListResult::CannotOpen ? SystemErrorText(list.lastError) : FileName(path));
  return 1;
}

int RunResave(const std::string& path, const std::string& outPath, std::FILE* out) {
  BookmarkList list;
  ListResult result = OpenList(list, path);
  // A list cut off at the limit would lose its unread items if written.
  bool truncated = result == ListResult::Full && list.linesLeftUnread;
  if (!Loaded(result) || truncated) return Fail(out, result, list);
  list.file.Close();
  // Written beside the target first, so a failed write leaves OUT as it was.
  std::string temporary = outPath + "~";
  platform::File file;
  uint32_t error = file.Open(temporary.c_str(), platform::FileAccess::kCreateWrite);
  WriteResult written = WriteResult::CannotWrite;
  if (error == platform::kErrorNone) {
    written = WriteList(list, file);
    if (written == WriteResult::CannotWrite) error = list.lastError;
    if (written == WriteResult::Ok && !file.Flush()) {
      written = WriteResult::CannotWrite;
      error = file.LastError();
    }
    file.Close();
    if (written == WriteResult::Ok)
      error = platform::MoveReplacing(temporary.c_str(), outPath.c_str());
    if (error != platform::kErrorNone) written = WriteResult::CannotWrite;
  }
  if (written == WriteResult::Ok) return 0;
  platform::RemoveFile(temporary.c_str());
  std::fprintf(out, "result: %s\n", ResultName(written));
  PrintMessage(out, MessageFor(written), SystemErrorText(error));
  return 1;
}

int RunNew(const std::string& outPath, std::FILE* out) {
  uint32_t error = 0;
  CreateResult result = CreateListFile(outPath, false, &error);
  if (result == CreateResult::Ok) return 0;
  std::fprintf(out, "result: %s\n", ResultName(result));
  if (result == CreateResult::CannotCreate)
    std::fprintf(out, "message: %s\n", SystemErrorText(error).c_str());
  return 1;
}
