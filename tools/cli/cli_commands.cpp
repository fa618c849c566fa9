#include "cli_commands.h"

#include <deque>
#include <vector>

#include "cli_messages.h"
#include "cli_session.h"
#include "list/bookmark_list.h"
#include "list/encryption_options.h"
#include "list/list_file.h"
#include "list/list_save.h"
#include "list/list_slots.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "util/messages.h"

namespace {

int Fail(std::FILE* out, const char* result) {
  std::fprintf(out, "result: %s\n", result);
  return 1;
}

}  // namespace

int RunInfo(const std::string& path, const std::string& password, std::FILE* out) {
  ToolSession session(password, out);
  bool opened = session.Open(path);
  BookmarkList empty;
  BookmarkList& list = opened ? *session.List() : empty;
  uint32_t items = 0, aliases = 0, deleted = 0;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) {
    ++items;
    if (list.IsAlias(i)) ++aliases;
    if (list.IsDeleted(i)) ++deleted;
  }
  std::fprintf(out, "result: %s\n", session.Result());
  std::fprintf(out, "items: %u\n", items);
  std::fprintf(out, "bookmarks: %u\n", list.bookmarkCount);
  std::fprintf(out, "aliases: %u\n", aliases);
  std::fprintf(out, "deleted: %u\n", deleted);
  std::fprintf(out, "lastId: %u\n", list.lastId);
  std::fprintf(out, "encryption: %u\n", list.encryptionOptions);
  return opened ? 0 : 1;
}

int RunResave(const std::string& path, const std::string& outPath, const std::string& password,
              std::FILE* out) {
  ToolSession session(password, out);
  // Nothing read means nothing to write: an empty list written over LIST
  // would wipe a file of another format version.
  if (!session.Open(path) || !session.Loaded()) return Fail(out, session.Result());
  BookmarkList& list = *session.List();
  // A list cut off at the limit would lose its unread items if written.
  if (list.full && list.linesLeftUnread) return Fail(out, session.Result());
  CloseList(list, false);  // OUT may be LIST itself
  uint32_t error = 0;
  int written = WriteListFileReplacing(list, outPath, &error);
  if (written == kSaveOk) return 0;
  WriteResult result =
      written == kSaveEncryptionFailed ? WriteResult::EncryptionFailed : WriteResult::CannotWrite;
  std::fprintf(out, "result: %s\n", ResultName(result));
  if (const struct MessageText* message = MessageFor(result))
    std::fprintf(out, "message: %s\n", MessageLine(*message, SystemErrorText(error)).c_str());
  return 1;
}

int RunEncrypt(const std::string& path, uint32_t options, const std::string& password,
               const std::string& current, std::FILE* out) {
  ToolSession session(current, out);
  if (!session.Open(path)) return Fail(out, session.Result());
  BookmarkList& list = *session.List();
  if (list.readOnly) return Fail(out, "ReadOnly");
  EncryptionChoice choice;
  choice.sitePasswords = (options & 1) != 0;
  choice.wholeList = (options & 2) != 0;
  choice.changePassword = true;
  choice.chosen = choice.reentered = password;
  choice.current = current;
  if (ApplyEncryptionChoice(nullptr, list, choice) != EncryptionVerdict::kApplied)
    return Fail(out, "Refused");
  int saved = SaveList(list, true);
  if (saved == kSaveOk) {
    std::fprintf(out, "encryption: %u\n", list.encryptionOptions);
    return 0;
  }
  WriteResult result =
      saved == kSaveEncryptionFailed ? WriteResult::EncryptionFailed : WriteResult::CannotWrite;
  std::fprintf(out, "result: %s\n", ResultName(result));
  if (const struct MessageText* message = MessageFor(result))
    std::fprintf(out, "message: %s\n",
                 MessageLine(*message, SystemErrorText(list.lastError)).c_str());
  return 1;
}

namespace {

// The first and the last live bookmark of the outline (not aliases).
std::vector<uint16_t> FirstAndLastBookmark(const BookmarkList& list) {
  std::vector<uint16_t> found;
  for (uint16_t i = list.Next(kRootIndex, true); i != kRootIndex; i = list.Next(i, true)) {
    if (list.IsAlias(i) || (list.Link(i).flags & kFlagBookmark) == 0) continue;
    if (found.size() < 2) found.push_back(i);
    found.back() = i;
  }
  return found;
}

}  // namespace

int RunSave(const std::string& path, const std::string& touch, const std::string& password,
            std::FILE* out) {
  ToolSession session(password, out);
  if (!session.Open(path)) return Fail(out, session.Result());
  BookmarkList& list = *session.List();
  if (list.readOnly) return Fail(out, "ReadOnly");
  if (!touch.empty()) {
    for (uint16_t index : FirstAndLastBookmark(list)) {
      BookmarkItem& record = list.Decode(index, false);
      record.title += touch;
      record.changed = 1;
    }
    list.EncodeCurrentIfChanged();
  }
  std::fprintf(out, "saving: %s\n", path.c_str());
  std::fflush(out);
  int saved = SaveList(list, true);
  if (saved == kSaveOk) {
    std::fprintf(out, "result: Saved\n");
    return 0;
  }
  WriteResult result =
      saved == kSaveEncryptionFailed ? WriteResult::EncryptionFailed : WriteResult::CannotWrite;
  std::fprintf(out, "result: %s\n", ResultName(result));
  if (const struct MessageText* message = MessageFor(result))
    std::fprintf(out, "message: %s\n",
                 MessageLine(*message, SystemErrorText(list.lastError)).c_str());
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
