#include "cli_import.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "cli_messages.h"
#include "exchange/aol_import.h"
#include "exchange/chromium_import.h"
#include "exchange/earlier_list_import.h"
#include "exchange/favorites_import.h"
#include "exchange/msn_import.h"
#include "exchange/netscape_import.h"
#include "exchange/opera_import.h"
#include "exchange/places_import.h"
#include "exchange/powermarks_import.h"
#include "list/bookmark_list.h"
#include "list/list_file.h"
#include "platform/platform.h"

namespace {

using Importer = int (*)(BookmarkList&, const std::string&, uint8_t);

const struct {
  const char* name;
  Importer import;
} kFormats[] = {
    {"netscape", ImportNetscapeHtml},   {"firefox", ImportPlacesDatabase},
    {"opera", ImportOperaHotlist},      {"aol", ImportAolCabinet},
    {"msn", ImportMsnFavorites},        {"powermarks", ImportPowermarks},
    {"orvandel", ImportEarlierList},    {"chromium", ImportChromiumBookmarks},
    {"favorites", ImportFavoritesTree},
};

const MessageText kImportFailed = {
    10014, "Import Failed",
    "An error occurred which stopped the import. Please check that\nwhat you are trying to "
    "import is not open in another application."};

int Usage() {
  std::fputs(
      "usage: vellox-cli import FORMAT SOURCE LIST [--rating N]\n"
      "       FORMAT: netscape firefox opera aol msn powermarks orvandel chromium favorites\n"
      "       (favorites: SOURCE is a favorites or Start Menu folder)\n",
      stderr);
  return 2;
}

bool Loaded(ListResult r) {
  return r == ListResult::ReadWrite || r == ListResult::ReadOnly || r == ListResult::NeedsRepair;
}

// Writes the list beside its file, then over it, so a failed write leaves
// the file as it was.
WriteResult SaveOver(BookmarkList& list, const std::string& path, uint32_t* error) {
  list.file.Close();
  std::string temporary = path + "~";
  platform::File file;
  *error = file.Open(temporary.c_str(), platform::FileAccess::kCreateWrite);
  if (*error != platform::kErrorNone) return WriteResult::CannotWrite;
  WriteResult written = WriteList(list, file);
  if (written == WriteResult::CannotWrite) *error = list.lastError;
  if (written == WriteResult::Ok && !file.Flush()) {
    written = WriteResult::CannotWrite;
    *error = file.LastError();
  }
  file.Close();
  if (written == WriteResult::Ok) {
    *error = platform::MoveReplacing(temporary.c_str(), path.c_str());
    if (*error != platform::kErrorNone) written = WriteResult::CannotWrite;
  }
  if (written != WriteResult::Ok) platform::RemoveFile(temporary.c_str());
  return written;
}

int Import(Importer importer, const std::string& source, const std::string& path, uint8_t rating,
           std::FILE* out) {
  bool created = false;
  if (!platform::FileExists(path.c_str())) {
    uint32_t error = 0;
    CreateResult made = CreateListFile(path, false, &error);
    if (made != CreateResult::Ok) {
      std::fprintf(out, "result: %s\nmessage: %s\n", ResultName(made),
                   SystemErrorText(error).c_str());
      return 1;
    }
    created = true;
  }
  BookmarkList list;
  ListResult opened = ReadHeader(list, path);
  if (HeaderAllowsLoading(opened)) {
    ListResult loaded = LoadLines(list, 0);
    if (loaded != ListResult::ReadWrite) opened = loaded;
  }
  if (!Loaded(opened)) {
    // A list cut off at its limit would lose its unread items if saved.
    std::fprintf(out, "result: %s\n", ResultName(opened));
    const MessageText* message = MessageFor(opened);
    if (message) std::fprintf(out, "message: %s\n", MessageLine(*message, path).c_str());
    return 1;
  }
  uint16_t before = list.itemCount;
  if (importer(list, source, rating) != 0) {
    list.file.Close();
    if (created) platform::RemoveFile(path.c_str());
    std::fprintf(out, "message: %s\n", MessageLine(kImportFailed, "").c_str());
    return 1;
  }
  uint32_t error = 0;
  WriteResult saved = SaveOver(list, path, &error);
  if (saved != WriteResult::Ok) {
    std::fprintf(out, "result: %s\n", ResultName(saved));
    const MessageText* message = MessageFor(saved);
    if (message)
      std::fprintf(out, "message: %s\n", MessageLine(*message, SystemErrorText(error)).c_str());
    return 1;
  }
  std::fprintf(out, "items: %u\nbookmarks: %u\n", static_cast<unsigned>(list.itemCount - before),
               list.bookmarkCount);
  return 0;
}

}  // namespace

int RunImportCommand(int argc, char** args, std::FILE* out) {
  if (argc != 3 && argc != 5) return Usage();
  uint8_t rating = 0;
  if (argc == 5) {
    char* end = nullptr;
    long value = std::strtol(args[4], &end, 10);
    if (std::strcmp(args[3], "--rating") != 0 || *end != '\0' || end == args[4] || value < 0 ||
        value > 5)
      return Usage();
    rating = static_cast<uint8_t>(value);
  }
  for (const auto& format : kFormats)
    if (std::strcmp(args[0], format.name) == 0)
      return Import(format.import, args[1], args[2], rating, out);
  return Usage();
}
