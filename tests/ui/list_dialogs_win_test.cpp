// The dialogs of opening, saving and encrypting lists, answered the way a
// user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "list/encryption.h"
#include "list/list_host.h"
#include "resources/resource.h"
#include "support/dialog_answerer_win.h"
#include "support/list_host_script.h"
#include "support/list_test_support.h"
#include "support/sample_lists.h"
#include "ui/list_dialogs.h"

using listtest::FindTitle;
using wintest::Click;
using wintest::DialogAnswerer;

namespace {

std::string ItemText(HWND dialog, int id) {
  char text[512] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

TEST(ListDialogsWin, PasswordDialogReturnsTheTypedText) {
  std::string password;
  {
    DialogAnswerer answerer([](HWND dialog, int) {
      EXPECT_EQ(ItemText(dialog, IDC_PASSWORD), "");
      SetDlgItemTextA(dialog, IDC_PASSWORD, "typed secret");
      Click(dialog, IDOK);
    });
    ASSERT_TRUE(RunPasswordDialog(nullptr, "Decrypt 'Work' bookmark list", &password));
  }
  EXPECT_EQ(password, "typed secret");
  EXPECT_EQ(OpenPasswordDialog(), nullptr);
  std::string title;
  DialogAnswerer cancel([&title](HWND dialog, int) {
    char text[128] = {};
    GetWindowTextA(dialog, text, sizeof text);
    title = text;
    EXPECT_EQ(OpenPasswordDialog(), dialog);
    Click(dialog, IDCANCEL);
  });
  EXPECT_FALSE(RunPasswordDialog(nullptr, "Decrypt 'Work' bookmark list", &password));
  EXPECT_EQ(title, "Decrypt 'Work' bookmark list");
}

TEST(ListDialogsWin, RevertDialogDisablesMissingFiles) {
  RevertChoices choices;
  choices.prompt = "Revert to previously-saved copy of 'Work':";
  choices.labels = {"Last-saved (1)", "Recent backup (2)", "Older backup (not found)",
                    "Oldest backup (4)"};
  choices.available = {true, true, false, true};
  DialogAnswerer answerer([](HWND dialog, int) {
    EXPECT_EQ(ItemText(dialog, IDC_REVERT_PROMPT), "Revert to previously-saved copy of 'Work':");
    EXPECT_EQ(ItemText(dialog, IDC_REVERT_OLDER), "Older backup (not found)");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_REVERT_OLDER)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_REVERT_OLDEST)));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_REVERT_LAST_SAVED), BST_CHECKED);
    CheckRadioButton(dialog, IDC_REVERT_LAST_SAVED, IDC_REVERT_OLDEST, IDC_REVERT_OLDEST);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(RunRevertDialog(nullptr, choices), 3);
}

TEST(ListDialogsWin, EncryptionOptionsDialogRefusesAMistypedPassword) {
  listtest::ScriptedUser user;  // answers the message boxes
  BookmarkList list;
  list.salt = "Ab3dE5gH7j";
  listtest::FillSample(list, 2);
  DialogAnswerer answerer([](HWND dialog, int) {
    // Without options there is no password to change or confirm.
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_CHANGE_PASSWORD)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_PASSWORD)));
    CheckDlgButton(dialog, IDC_ENCRYPT_SITE_PASSWORDS, BST_CHECKED);
    SetDlgItemTextA(dialog, IDC_NEW_PASSWORD, "first");
    SetDlgItemTextA(dialog, IDC_CONFIRM_PASSWORD, "frist");
    // The first OK clears both fields, so the second finds them blank.
    Click(dialog, IDOK);
    Click(dialog, IDOK);
    Click(dialog, IDCANCEL);
  });
  EXPECT_FALSE(RunEncryptionOptionsDialog(nullptr, list));
  EXPECT_EQ(user.Captions(), (std::vector<std::string>{"Password Mistyped", "Blank Password"}));
  EXPECT_EQ(list.encryptionOptions, 0u);
}

TEST(ListDialogsWin, EncryptionOptionsDialogChangesThePassword) {
  listtest::ScriptedUser user;
  BookmarkList list;
  list.salt = "Ab3dE5gH7j";
  listtest::FillSample(list, 2);
  SetEncryption(list, kEncryptSitePasswords, "old");
  DialogAnswerer answerer([](HWND dialog, int) {
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_ENCRYPT_SITE_PASSWORDS), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_ENCRYPT_LIST), BST_UNCHECKED);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_PASSWORD)));
    SetDlgItemTextA(dialog, IDC_NEW_PASSWORD, "new");  // typing ticks "Change password"
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CHANGE_PASSWORD), BST_CHECKED);
    CheckDlgButton(dialog, IDC_ENCRYPT_LIST, BST_CHECKED);
    SetDlgItemTextA(dialog, IDC_CONFIRM_PASSWORD, "new");
    SetDlgItemTextA(dialog, IDC_PASSWORD, "old");
    Click(dialog, IDOK);
  });
  ASSERT_TRUE(RunEncryptionOptionsDialog(nullptr, list));
  EXPECT_TRUE(user.shown.empty());
  EXPECT_EQ(list.encryptionOptions, 3u);
  ASSERT_TRUE(CheckPassword(list, "new", true));
  BookmarkItem record;
  list.DecodeInto(FindTitle(list, "Site 1"), false, &record);
  EXPECT_EQ(GetSitePassword(list, record), "pass1word");
}

}  // namespace
