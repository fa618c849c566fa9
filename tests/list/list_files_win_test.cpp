// Opening, saving and encryption where Windows itself takes part: sharing
// modes across processes, the replace of a file another process reads, the
// dialogs, and values that must be the same in every build.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "list/encryption.h"
#include "list/list_dialogs_win.h"
#include "list/list_file.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "list/list_slots.h"
#include "resources/resource.h"
#include "support/dialog_answerer_win.h"
#include "support/helper_process_win.h"
#include "support/list_host_script.h"
#include "support/list_test_support.h"
#include "support/sample_lists.h"
#include "support/temp_folder.h"

using listtest::FindTitle;
using listtest::ReadBytes;

using wintest::Click;
using wintest::DialogAnswerer;
using wintest::HelperProcess;

namespace {

constexpr DWORD kHelperTimeout = 30000;

std::string ItemText(HWND dialog, int id) {
  char text[512] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

TEST(ListFilesWin, CheckValuesAndCipherTextMatchTheNativeBuild) {
  // Computed by the native build: lists must open in every build.
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "secret", false), "l2qUCNdIcUA=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "secret", true), "uUN3RHY8NUA=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "a", false), "3rKRs01fe8A=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "a", true), "AAAAAAAA+P8=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "password", false), "Y/aeqBAog8A=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "Pa55word!", false), "A+EvkpZGZsA=");
  EXPECT_EQ(ComputeCheck("Ab3dE5gH7j", "x", false), "3yj5+PhNakA=");
  ListEncryption enc;
  ASSERT_TRUE(enc.SetKey(0, "secret"));
  std::string sealed, plain;
  ASSERT_TRUE(enc.EncipherText("pass1word\tline", &sealed));
  EXPECT_EQ(sealed, "hCZhJvmt3qJamV4TzWFhIA==");
  ASSERT_TRUE(enc.DecipherText(sealed, 0, &plain));
  EXPECT_EQ(plain, "pass1word\tline");
}

// The helper side: holds the lists named in its task ("A|B") open as the
// program does until it is released.
TEST(ListHolderHelper, HoldsItsLists) {
  std::string task = wintest::HelperTask();
  if (task.empty()) GTEST_SKIP() << "runs only as a helper process";
  Settings settings;
  ListSlots slots(&settings, nullptr);
  size_t bar = task.find('|');
  ASSERT_TRUE(slots.OpenList(task.substr(0, bar), -1, 0, false));
  slots.currentList->markedCount[2] = 1;  // keeps the first open beside the second
  if (bar != std::string::npos) {
    ASSERT_TRUE(slots.OpenList(task.substr(bar + 1), -1, 0, false));
  }
  wintest::SignalHelperReady();
  EXPECT_TRUE(wintest::WaitHelperRelease(kHelperTimeout));
}

// A user who answers dialog 525 through the real dialog.
class DialogUser : public listtest::ScriptedUser {
 public:
  bool ShowReadOnlyWarning() override {
    ++readOnlyWarnings;
    return RunReadOnlyWarning(nullptr);
  }
};

TEST(ListFilesWin, ListOpenInAnotherProcessIsReadOnlyHere) {
  ::TempFolder folder;
  const std::string a = folder.Path("Held A.bkl"), b = folder.Path("Held B.bkl");
  listtest::WriteSampleFile(a, 3);
  listtest::WriteSampleFile(b, 3);
  HelperProcess holder;
  ASSERT_TRUE(holder.Start("ListHolderHelper.HoldsItsLists", a + "|" + b));
  ASSERT_TRUE(holder.WaitReady(kHelperTimeout));

  // The other process denies writers, but not readers.
  platform::File probe;
  EXPECT_EQ(probe.Open(a.c_str(), platform::FileAccess::kReadWrite),
            platform::kErrorSharingViolation);
  EXPECT_EQ(probe.Open(a.c_str(), platform::FileAccess::kRead), platform::kErrorNone);
  probe.Close();

  Settings settings;
  DialogUser user;
  ListSlots slots(&settings, &user);
  DialogAnswerer answerer([](HWND dialog, int) {
    CheckDlgButton(dialog, IDC_NO_READ_ONLY_WARNING, BST_CHECKED);
    Click(dialog, IDOK);
  });
  ASSERT_TRUE(slots.OpenList(a, -1, 0, false));
  EXPECT_TRUE(slots.currentList->readOnly);
  EXPECT_NE(FindTitle(*slots.currentList, "Site 2"), 0);
  EXPECT_EQ(answerer.Activations(), 1);
  EXPECT_TRUE(settings.behaviourFlags & kBehaviourNoReadOnlyWarning);
  ASSERT_TRUE(slots.OpenList(b, -1, 0, false));
  EXPECT_TRUE(slots.currentList->readOnly);
  EXPECT_EQ(answerer.Activations(), 1);  // ticked: not shown again
  EXPECT_EQ(user.readOnlyWarnings, 1);
  holder.Release();
  DWORD exitCode = 1;
  ASSERT_TRUE(holder.WaitForExit(kHelperTimeout, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}

TEST(ListFilesWin, ReplaceRefusedWhileAnotherProgramReadsKeepsBothFiles) {
  ::TempFolder folder;
  const std::string path = folder.Path("Read.bkl");
  const std::string original = listtest::WriteSampleFile(path, 3);
  auto list = listtest::OpenListFile(path);
  BookmarkItem& record = list->Decode(FindTitle(*list, "Site 1"), false);
  record.title = "Changed";
  record.changed = 1;
  {
    platform::File reader;  // e.g. a viewer that keeps the file open
    ASSERT_EQ(reader.Open(path.c_str(), platform::FileAccess::kRead), 0u);
    int result = SaveList(*list, false);
    if (result == kSaveFileError) {
      EXPECT_EQ(ReadBytes(path), original);
      EXPECT_NE(ReadBytes(TemporarySavePath(path)).find("Changed"), std::string::npos);
      EXPECT_TRUE(list->modified);
    } else {
      EXPECT_EQ(result, kSaveOk);  // Windows lets a shared reader stay
    }
  }
  ASSERT_EQ(SaveList(*list, false), kSaveOk);
  EXPECT_NE(ReadBytes(path).find("Changed"), std::string::npos);
  EXPECT_FALSE(platform::FileExists(TemporarySavePath(path).c_str()));
  platform::File other;
  EXPECT_EQ(other.Open(path.c_str(), platform::FileAccess::kReadWrite),
            platform::kErrorSharingViolation);
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
