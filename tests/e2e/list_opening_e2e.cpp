// Opening lists through the real program: the password dialog refuses a
// wrong password and accepts the right one; a new list named in File >
// Open/New without an extension is made as a ".bkl" file.
#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <string>

#include "e2e_windows.h"
#include "list/encryption.h"
#include "list/list_file.h"
#include "list/list_save.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr DWORD kTimeout = 20000;

// A wholly encrypted list in the temporary folder, removed afterwards.
class EncryptedList {
 public:
  EncryptedList(const std::string& name, const std::string& password) {
    path_ = e2e::TempFolder() + name;
    CreateListFile(path_, true);
    BookmarkList list;
    EncryptionOf(list);
    ReadHeader(list, path_);
    LoadLines(list, 0);
    list.file.Close();
    SetEncryption(list, kEncryptSitePasswords | kEncryptWholeList, password);
    uint32_t error = 0;
    written_ = WriteListFileReplacing(list, path_, &error) == kSaveOk;
  }
  ~EncryptedList() {
    DeleteFileA(path_.c_str());
    std::string folder = path_.substr(0, path_.find_last_of('\\') + 1);
    DeleteFileA((folder + "Autobackup of " + path_.substr(folder.size())).c_str());
  }
  const std::string& Path() const { return path_; }
  bool Written() const { return written_; }

 private:
  std::string path_;
  bool written_ = false;
};

// A dialog of process pid titled title, or null.
HWND DialogOf(DWORD pid, const std::string& title) {
  for (HWND w : e2e::TopLevelWindows(pid, "#32770"))
    if (IsWindowVisible(w) && e2e::WindowTitle(w) == title) return w;
  return nullptr;
}

HWND WaitForDialog(DWORD pid, const std::string& title, HWND notThis = nullptr) {
  HWND found = nullptr;
  e2e::WaitUntil([&] { return (found = DialogOf(pid, title)) != nullptr && found != notThis; },
                 kTimeout);
  return found != notThis ? found : nullptr;
}

void TypeAndConfirm(HWND dialog, const char* password) {
  // WM_SETTEXT is carried across processes; SetWindowText is not.
  SendMessageA(GetDlgItem(dialog, IDC_PASSWORD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(password));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

class ListOpening : public e2e::FreshSettingsTest {};

TEST_F(ListOpening, EncryptedListOpensAfterAWrongAndTheRightPassword) {
  EncryptedList list("E2E Secret.bkl", "right one");
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  const std::string title = "Decrypt 'E2E Secret' bookmark list";

  HWND ask = WaitForDialog(program.Id(), title);
  ASSERT_NE(ask, nullptr);
  TypeAndConfirm(ask, "wrong");
  HWND wrong = WaitForDialog(program.Id(), "Wrong Password");
  ASSERT_NE(wrong, nullptr);
  PostMessageA(wrong, WM_COMMAND, IDOK, 0);

  HWND again = WaitForDialog(program.Id(), title, ask);
  ASSERT_NE(again, nullptr);
  TypeAndConfirm(again, "right one");
  HWND main = nullptr;
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        main = e2e::MainWindowOf(program.Id());
        return main && e2e::WindowTitle(main) == "E2E Secret - Vellox";
      },
      kTimeout))
      << (main ? e2e::WindowTitle(main) : "no main window");
  EXPECT_EQ(DialogOf(program.Id(), "Decryption Failed"), nullptr);
  program.Stop();
}

TEST_F(ListOpening, NewListTypedWithoutExtensionGetsBkl) {
  e2e::TempList list("E2E Work Links", "");  // removes the ".bkl" file and its backups
  const std::string typed = e2e::TempFolder() + "E2E Work Links";
  DeleteFileA(typed.c_str());
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  HWND main = e2e::WaitForMainWith(program.Id(), IDC_SEARCH_TEXT);
  ASSERT_NE(main, nullptr);

  PostMessageA(main, WM_COMMAND, ID_CMD_FILE_OPEN, 0);
  HWND chooser = WaitForDialog(program.Id(), "Select or create bookmark list");
  ASSERT_NE(chooser, nullptr);
  // The edit box of the open dialog's file name box (cmb13, an extended
  // combo box), then its Open button.
  constexpr int kFileNameBox = 0x47c;
  HWND typing = reinterpret_cast<HWND>(
      SendMessageA(GetDlgItem(chooser, kFileNameBox), CBEM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(typing, nullptr);
  SendMessageA(typing, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
  PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDOK)));

  EXPECT_NE(e2e::WaitForMainTitled(program.Id(), "E2E Work Links - Vellox"), nullptr);
  EXPECT_NE(GetFileAttributesA(list.Path().c_str()), INVALID_FILE_ATTRIBUTES) << list.Path();
  EXPECT_EQ(GetFileAttributesA(typed.c_str()), INVALID_FILE_ATTRIBUTES) << typed;
  program.Stop();
  DeleteFileA(typed.c_str());
}

}  // namespace
