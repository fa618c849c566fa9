// The OK button of the encryption options dialog (506) without the dialog:
// the checks in their order, the messages, and the change of encryption.
#pragma once

#include <string>

#include "list/bookmark_list.h"

struct EncryptionChoice {
  bool sitePasswords = false;   // "&Site log-in passwords"
  bool wholeList = false;       // "&Entire bookmark list"
  bool changePassword = false;  // "Change password"
  std::string chosen;           // "Chosen &password:"
  std::string reentered;        // "Please &re-enter:"
  std::string current;          // "&Current password:"
};

// What the dialog does next.
enum class EncryptionVerdict {
  kApplied,       // SetEncryption done: close the dialog
  kMistyped,      // 10020 shown: clear chosen and re-entered, stay
  kBlank,         // 10000 shown: stay
  kNoOption,      // 10092 shown: stay
  kWrongCurrent,  // 10086 shown: clear the current password, stay
};

// Checks the choice against the list, shows the message of a refusal (warning
// icon, owned by owner) and applies an accepted one.
EncryptionVerdict ApplyEncryptionChoice(void* owner, BookmarkList& list,
                                        const EncryptionChoice& choice);
