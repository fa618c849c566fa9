// A user who answers from a script: the message boxes of the list code
// (installed as the message-box handler while the object lives) and the
// dialogs of a ListHost.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "list/list_host.h"

namespace listtest {

struct ShownMessage {
  std::string caption;
  std::string text;
  unsigned type = 0;
};

class ScriptedUser : public ListHost {
 public:
  ScriptedUser();
  ~ScriptedUser() override;
  ScriptedUser(const ScriptedUser&) = delete;
  ScriptedUser& operator=(const ScriptedUser&) = delete;

  // Message boxes: answers in order; without one the cautious answer
  // (Cancel, No, Abort; OK for a plain message).
  std::deque<int> answers;
  std::vector<ShownMessage> shown;
  std::vector<std::string> Captions() const;

  // Dialog 515: passwords typed in order; Cancel when none is left.
  std::deque<std::string> passwords;
  std::vector<std::string> passwordTitles;
  // Dialog 525.
  int readOnlyWarnings = 0;
  bool tickDoNotWarn = false;
  // Dialog 530.
  int revertChoice = -1;
  RevertChoices lastRevert;
  // The save-file dialog: paths in order; Cancel when none is left.
  std::deque<std::string> copyPaths;
  std::vector<std::string> copySuggestions;
  int settingsSaved = 0;
  int listsChanged = 0;

  bool RequestPassword(const std::string& title, std::string* password) override;
  bool ShowReadOnlyWarning() override;
  int ChooseRevert(const RevertChoices& choices) override;
  bool ChooseCopyPath(const std::string& title, const std::string& folder, const std::string& name,
                      std::string* path) override;
  void SaveSettings() override { ++settingsSaved; }
  void ListsChanged() override { ++listsChanged; }

  int Show(const std::string& text, const std::string& caption, unsigned type);
};

}  // namespace listtest
