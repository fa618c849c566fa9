#include "support/list_host_script.h"

#include "platform/platform.h"
#include "util/messages.h"

namespace listtest {
namespace {

ScriptedUser* active = nullptr;

int Answer(void*, const std::string& text, const std::string& caption, unsigned type) {
  return active->Show(text, caption, type);
}

}  // namespace

ScriptedUser::ScriptedUser() {
  active = this;
  SetMessageBoxHandler(Answer);
}

ScriptedUser::~ScriptedUser() {
  SetMessageBoxHandler(nullptr);
  active = nullptr;
}

std::vector<std::string> ScriptedUser::Captions() const {
  std::vector<std::string> captions;
  for (const ShownMessage& m : shown) captions.push_back(m.caption);
  return captions;
}

int ScriptedUser::Show(const std::string& text, const std::string& caption, unsigned type) {
  shown.push_back({caption, text, type});
  if (!answers.empty()) {
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  switch (type & 0xF) {
    case platform::kMbOkCancel:
    case platform::kMbYesNoCancel:
      return platform::kIdCancel;
    case platform::kMbYesNo:
      return platform::kIdNo;
    case platform::kMbAbortRetryIgnore:
      return platform::kIdAbort;
    default:
      return platform::kIdOk;
  }
}

bool ScriptedUser::RequestPassword(const std::string& title, std::string* password) {
  passwordTitles.push_back(title);
  if (passwords.empty()) return false;
  *password = passwords.front();
  passwords.pop_front();
  return true;
}

bool ScriptedUser::ShowReadOnlyWarning() {
  ++readOnlyWarnings;
  return tickDoNotWarn;
}

int ScriptedUser::ChooseRevert(const RevertChoices& choices) {
  lastRevert = choices;
  return revertChoice;
}

bool ScriptedUser::ChooseCopyPath(const std::string&, const std::string&, const std::string& name,
                                  std::string* path) {
  copySuggestions.push_back(name);
  if (copyPaths.empty()) return false;
  *path = copyPaths.front();
  copyPaths.pop_front();
  return true;
}

}  // namespace listtest
