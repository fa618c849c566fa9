// Who answers the installer's and uninstaller's questions: the user, by
// string-table message boxes, or (unattended) a fixed answer per message
// that keeps data and lets the installation go on where it safely can.
#pragma once

#include <initializer_list>

#include "util/messages.h"

class InstallPrompter {
 public:
  // owner: a window handle or null. quiet: never show anything.
  InstallPrompter(void* owner, bool quiet) : owner_(owner), quiet_(quiet) {}

  // Shows (or, quiet, answers) string-table message id; returns the button.
  int Ask(int id, unsigned type, std::initializer_list<MessageArg> args = {});
  bool IsQuiet() const { return quiet_; }
  void SetOwner(void* owner) { owner_ = owner; }
  void* Owner() const { return owner_; }
  // The last message asked or shown, 0 before the first.
  int LastMessage() const { return lastMessage_; }

  // The answer given without asking; public so that it can be checked.
  static int QuietAnswer(int id, unsigned type);

 private:
  void* owner_;
  bool quiet_;
  int lastMessage_ = 0;
};
