// Opening a list in vellox-cli as the program opens it, with the message
// boxes printed as "message: Caption: text" lines and answered as a
// cautious user would (Cancel, No, Abort).
#pragma once

#include <cstdio>
#include <deque>
#include <string>

#include "list/bookmark_list.h"
#include "list/list_file.h"
#include "list/list_slots.h"
#include "settings/settings.h"

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
  ToolSession(const std::string& password, std::FILE* out);
  ~ToolSession();
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
