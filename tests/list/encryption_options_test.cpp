#include "list/encryption_options.h"

#include <gtest/gtest.h>

#include "list/encryption.h"
#include "support/list_host_script.h"
#include "support/sample_lists.h"

namespace {

TEST(EncryptionOptions, ChecksInOrder) {
  struct Case {
    const char* name;
    uint32_t listOptions;  // the list has password "old" with these options
    EncryptionChoice choice;
    EncryptionVerdict verdict;
    const char* caption;
    uint32_t optionsAfter;
    const char* passwordAfter;
  };
  const Case cases[] = {
      {"first password",
       0,
       {true, false, false, "new", "new", ""},
       EncryptionVerdict::kApplied,
       "",
       1,
       "new"},
      {"mistyped",
       0,
       {true, true, false, "new", "nwe", ""},
       EncryptionVerdict::kMistyped,
       "Password Mistyped",
       0,
       ""},
      {"blank",
       0,
       {false, true, false, "", "", ""},
       EncryptionVerdict::kBlank,
       "Blank Password",
       0,
       ""},
      {"no option",
       0,
       {false, false, false, "new", "new", ""},
       EncryptionVerdict::kNoOption,
       "Encryption option",
       0,
       ""},
      {"nothing at all",
       0,
       {false, false, false, "", "", ""},
       EncryptionVerdict::kApplied,
       "",
       0,
       ""},
      {"options changed, same password",
       1,
       {true, true, false, "", "", "old"},
       EncryptionVerdict::kApplied,
       "",
       3,
       "old"},
      {"wrong current",
       1,
       {true, true, false, "", "", "olt"},
       EncryptionVerdict::kWrongCurrent,
       "Password Wrong",
       1,
       "old"},
      {"blank current",
       1,
       {true, false, false, "", "", ""},
       EncryptionVerdict::kBlank,
       "Blank Password",
       1,
       "old"},
      {"changed password",
       3,
       {true, true, true, "newer", "newer", "old"},
       EncryptionVerdict::kApplied,
       "",
       3,
       "newer"},
      {"changed, wrong current",
       3,
       {true, true, true, "newer", "newer", "x"},
       EncryptionVerdict::kWrongCurrent,
       "Password Wrong",
       3,
       "old"},
      {"removed", 2, {false, false, false, "", "", "old"}, EncryptionVerdict::kApplied, "", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    listtest::ScriptedUser user;
    BookmarkList list;
    list.salt = "Ab3dE5gH7j";
    listtest::FillSample(list, 2);
    if (c.listOptions) {
      SetEncryption(list, c.listOptions, "old");
      list.password.clear();  // as opened: the password is checked in the dialog
      list.keyState = 1;
    }
    EXPECT_EQ(ApplyEncryptionChoice(nullptr, list, c.choice), c.verdict);
    EXPECT_EQ(user.shown.empty() ? "" : user.shown[0].caption, c.caption);
    for (const listtest::ShownMessage& m : user.shown)
      EXPECT_EQ(m.type, platform::kMbOk | platform::kMbIconWarning);
    EXPECT_EQ(list.encryptionOptions, c.optionsAfter);
    if (c.verdict == EncryptionVerdict::kApplied) {
      EXPECT_EQ(list.password, c.passwordAfter);
      if (c.optionsAfter & kEncryptSitePasswords) {
        ASSERT_TRUE(CheckPassword(list, c.passwordAfter, true));
        BookmarkItem record;
        list.DecodeInto(listtest::FindTitle(list, "Site 1"), false, &record);
        EXPECT_EQ(GetSitePassword(list, record), "pass1word");
      }
    }
  }
}

TEST(EncryptionOptions, EmptyCheckValueAcceptsAnyCurrentPassword) {
  listtest::ScriptedUser user;
  BookmarkList list;
  list.salt = "Ab3dE5gH7j";
  list.encryptionOptions = kEncryptSitePasswords;
  EXPECT_EQ(ApplyEncryptionChoice(nullptr, list, {true, false, false, "", "", "whatever"}),
            EncryptionVerdict::kApplied);
  EXPECT_EQ(list.checkValue, ComputeCheck(list.salt, "whatever", false));
}

}  // namespace
