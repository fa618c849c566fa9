#include "list/encryption_options.h"

#include "list/encryption.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "util/messages.h"

namespace {

EncryptionVerdict Refuse(void* owner, int message, EncryptionVerdict verdict) {
  MessageFromTable(owner, message, platform::kMbOk | platform::kMbIconWarning);
  return verdict;
}

}  // namespace

EncryptionVerdict ApplyEncryptionChoice(void* owner, BookmarkList& list,
                                        const EncryptionChoice& choice) {
  uint32_t options = (choice.sitePasswords ? kEncryptSitePasswords : 0) |
                     (choice.wholeList ? kEncryptWholeList : 0);
  bool hadOptions = list.encryptionOptions != 0;
  std::string password;
  if (options != 0) {
    if (hadOptions && !choice.changePassword) {
      password = choice.current;
    } else {
      if (choice.chosen != choice.reentered)
        return Refuse(owner, IDS_PASSWORD_MISTYPED, EncryptionVerdict::kMistyped);
      password = choice.chosen;
    }
    if (password.empty()) return Refuse(owner, IDS_BLANK_PASSWORD, EncryptionVerdict::kBlank);
  } else if (!choice.chosen.empty()) {
    return Refuse(owner, IDS_NO_ENCRYPTION_OPTION, EncryptionVerdict::kNoOption);
  }
  if (hadOptions && !CheckPassword(list, choice.current, false))
    return Refuse(owner, IDS_PASSWORD_WRONG, EncryptionVerdict::kWrongCurrent);
  SetEncryption(list, options, password);
  return EncryptionVerdict::kApplied;
}
