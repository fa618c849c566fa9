#include "cli_commands.h"

#include <deque>
#include <vector>

#include "cli_messages.h"
#include "list/bookmark_list.h"
#include "list/encryption_options.h"
#include "list/list_file.h"
#include "list/list_save.h"
#include "list/list_slots.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "util/messages.h"

namespace {

std::FILE* messageOut = stdout;

// Message boxes become "message: Caption: text" lines, answered as a
// cautious user would (Cancel, No, Abort).
int PrintMessageBox(void*, const std::string& text, const std::string& caption, unsigned type) {
  std::string line = caption + ": " + text;
  for (char& c : line)
    if (c == '\n') c = ' ';
  std::fprintf(messageOut, "message: %s\n", line.c_str());
  switch (type & 0xF) {
    case platform::kMbOkCancel:
    case platform::kMbYesNoCancel:
    case platform::kMbRetryCancel:
      return platform::kIdCancel;
    case platform::kMbYesNo:
      return platform::kIdNo;
    case platform::kMbAbortRetryIgnore:
      return platform::kIdAbort;
    default:
      return platform::kIdOk;
  }
}

// The tool's user: types the given password once when asked.
class ToolUser : public ListHost {
 public:
  explicit ToolUser(const std::string& password) {
    if (!password.empty()) passwords_.push_back(password);
  }
  bool RequestPassword(const std::string&, std::string* password) override {
    if (passwords_.empty()) return false;
    *password = passwords_.front();
    passwords_.pop_front();
    return true;
  }

 private:
  std::deque<std::string> passwords_;
};

// Opening as the program does (read-only fallback, conversion offer,
// password, repair), with the messages printed to out.
class ToolSession {
 public:
  ToolSession(const std::string& password, std::FILE* out)
      : user_(password), slots_(&settings_, &user_) {
    messageOut = out;
    SetMessageBoxHandler(PrintMessageBox);
  }
  ~ToolSession() { SetMessageBoxHandler(nullptr); }
  bool Open(const std::string& path) { return slots_.OpenList(path, -1, 0, false); }
  BookmarkList* List() { return slots_.currentList.get(); }
  // False when the header let no line be read (a list file of another
  // format version opens as an empty list).
  bool Loaded() const { return HeaderAllowsLoading(slots_.LastOpen().header); }
  // The result as the tool prints it: the header's, unless loading reported
  // something (a repair, the limit, damage).
  const char* Result() const {
    const OpenReport& r = slots_.LastOpen();
    if (r.decryptionFailed) return "DecryptionFailed";
    if (!HeaderAllowsLoading(r.header) || r.load == ListResult::ReadWrite)
      return ResultName(r.header);
    return ResultName(r.load);
  }

 private:
  Settings settings_;
  ToolUser user_;
  ListSlots slots_;
};

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
