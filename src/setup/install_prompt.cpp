#include "setup/install_prompt.h"

#include "platform/platform.h"
#include "resources/resource.h"

namespace {

struct QuietRow {
  int id;
  int answer;
};

// Unattended: close a running copy, update the templates, never overwrite
// a list, keep an unreachable list in the menu, do not start the program.
constexpr QuietRow kQuietAnswers[] = {
    {IDS_CLOSE_RUNNING_INSTANCE, platform::kIdYes},
    {IDS_INSTALL_PROBLEM, platform::kIdCancel},
    {IDS_OVERWRITE_MOVED_LIST, platform::kIdNo},
    {IDS_UPDATE_TEMPLATES, platform::kIdYes},
    {IDS_LIST_UNREACHABLE, platform::kIdYes},
    {IDS_NO_SHORTCUTS, platform::kIdNo},
    {IDS_LAUNCH_NOW, platform::kIdNo},
};

}  // namespace

int InstallPrompter::QuietAnswer(int id, unsigned type) {
  for (const QuietRow& row : kQuietAnswers)
    if (row.id == id) return row.answer;
  switch (type & 0xF) {
    case platform::kMbYesNo:
      return platform::kIdNo;
    case platform::kMbOkCancel:
    case platform::kMbYesNoCancel:
    case platform::kMbRetryCancel:
      return platform::kIdCancel;
    case platform::kMbAbortRetryIgnore:
      return platform::kIdAbort;
    default:
      return platform::kIdOk;
  }
}

int InstallPrompter::Ask(int id, unsigned type, std::initializer_list<MessageArg> args) {
  lastMessage_ = id;
  if (quiet_) return QuietAnswer(id, type);
  return MessageFromTable(owner_, id, type, args);
}
