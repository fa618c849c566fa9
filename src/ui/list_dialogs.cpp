#include "ui/list_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "framework/dialog.h"
#include "list/encryption_options.h"
#include "list/list_paths.h"
#include "resources/resource.h"
#include "ui/help_topics.h"
#include "ui/help_viewer.h"

namespace {

constexpr char kListFilter[] = "Bookmark list files (*.bkl)\0*.bkl\0\0";
constexpr int kRevertButtons[4] = {IDC_REVERT_LAST_SAVED, IDC_REVERT_RECENT, IDC_REVERT_OLDER,
                                   IDC_REVERT_OLDEST};
HWND openPasswordDialog = nullptr;

class PasswordDialog : public framework::Dialog {
 public:
  explicit PasswordDialog(const std::string& title)
      : Dialog(IDD_DECRYPTION_PASSWORD), title_(title) {}
  std::string password;

 protected:
  bool OnInit() override {
    openPasswordDialog = hwnd_;
    SetText(title_);
    FocusItem(IDC_PASSWORD);
    return false;
  }
  void OnOK() override {
    password = ItemText(IDC_PASSWORD);
    End(IDOK);
  }
  void OnDestroy() override { openPasswordDialog = nullptr; }

 private:
  std::string title_;
};

class ReadOnlyWarningDialog : public framework::Dialog {
 public:
  ReadOnlyWarningDialog() : Dialog(IDD_READ_ONLY_WARNING) {}
  bool doNotWarn = false;

 protected:
  void OnOK() override {
    doNotWarn = IsChecked(IDC_NO_READ_ONLY_WARNING);
    End(IDOK);
  }
  // Closing the box counts as OK: the box's state is still the answer.
  void OnCancel() override { OnOK(); }
};

class RevertDialog : public framework::Dialog {
 public:
  explicit RevertDialog(const RevertChoices& choices) : Dialog(IDD_REVERT), choices_(choices) {}
  int choice = -1;

 protected:
  bool OnInit() override {
    SetItemText(IDC_REVERT_PROMPT, choices_.prompt);
    for (int i = 0; i < 4; ++i) {
      SetItemText(kRevertButtons[i], choices_.labels[i]);
      EnableItem(kRevertButtons[i], choices_.available[i]);
    }
    // The snapshot kept before a large deletion is offered only while it
    // exists.
    SetItemText(IDC_REVERT_BEFORE_LARGE_DELETION, choices_.snapshotLabel);
    ShowItem(IDC_REVERT_BEFORE_LARGE_DELETION, choices_.snapshotAvailable);
    CheckButton(kRevertButtons[0], true);
    return true;
  }
  void OnOK() override {
    for (int i = 0; i < 4; ++i)
      if (IsChecked(kRevertButtons[i]) && choices_.available[i]) choice = i;
    if (IsChecked(IDC_REVERT_BEFORE_LARGE_DELETION) && choices_.snapshotAvailable)
      choice = kRevertSnapshotChoice;
    End(IDOK);
  }

 private:
  const RevertChoices& choices_;
};

class EncryptionOptionsDialog : public framework::Dialog {
 public:
  explicit EncryptionOptionsDialog(BookmarkList& list)
      : Dialog(IDD_ENCRYPTION_OPTIONS), list_(list) {}

 protected:
  bool OnInit() override {
    CheckButton(IDC_ENCRYPT_SITE_PASSWORDS, (list_.encryptionOptions & 1) != 0);
    CheckButton(IDC_ENCRYPT_LIST, (list_.encryptionOptions & 2) != 0);
    bool hasOptions = list_.encryptionOptions != 0;
    EnableItem(IDC_CHANGE_PASSWORD, hasOptions);
    EnableItem(IDC_PASSWORD, hasOptions);
    return true;
  }
  bool OnMessage(UINT msg, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR* result) override {
    if (!AnswerHelpMessage(msg, hwnd_, DialogHelpContext(IDD_ENCRYPTION_OPTIONS))) return false;
    *result = TRUE;
    return true;
  }
  bool OnCommand(int id, int code, HWND control) override {
    if (id == IDC_HELP_BUTTON) {
      ShowHelpTopic(hwnd_, DialogHelpContext(IDD_ENCRYPTION_OPTIONS));
      return true;
    }
    // Typing a new password means changing it.
    if (id == IDC_NEW_PASSWORD && code == EN_CHANGE && IsWindowEnabled(Item(IDC_CHANGE_PASSWORD)) &&
        !ItemText(IDC_NEW_PASSWORD).empty())
      CheckButton(IDC_CHANGE_PASSWORD, true);
    return Dialog::OnCommand(id, code, control);
  }
  void OnOK() override {
    EncryptionChoice choice;
    choice.sitePasswords = IsChecked(IDC_ENCRYPT_SITE_PASSWORDS);
    choice.wholeList = IsChecked(IDC_ENCRYPT_LIST);
    choice.changePassword = IsChecked(IDC_CHANGE_PASSWORD);
    choice.chosen = ItemText(IDC_NEW_PASSWORD);
    choice.reentered = ItemText(IDC_CONFIRM_PASSWORD);
    choice.current = ItemText(IDC_PASSWORD);
    switch (ApplyEncryptionChoice(hwnd_, list_, choice)) {
      case EncryptionVerdict::kApplied:
        End(IDOK);
        return;
      case EncryptionVerdict::kMistyped:
        SetItemText(IDC_NEW_PASSWORD, "");
        SetItemText(IDC_CONFIRM_PASSWORD, "");
        FocusItem(IDC_NEW_PASSWORD);
        return;
      case EncryptionVerdict::kWrongCurrent:
        SetItemText(IDC_PASSWORD, "");
        FocusItem(IDC_PASSWORD);
        return;
      case EncryptionVerdict::kBlank:
      case EncryptionVerdict::kNoOption:
        return;
    }
  }

 private:
  BookmarkList& list_;
};

// GetSaveFileNameA / GetOpenFileNameA with the list filter.
bool RunFileDialog(HWND parent, const std::string& title, const std::string& folder,
                   const std::string& name, DWORD flags, bool save, std::string* path) {
  std::vector<char> buffer(MAX_PATH * 4, '\0');
  name.copy(buffer.data(), buffer.size() - 1);
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = parent;
  ofn.lpstrFilter = kListFilter;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = title.c_str();
  ofn.lpstrDefExt = "bkl";
  ofn.Flags = flags | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!chosen) return false;
  *path = buffer.data();
  return true;
}

}  // namespace

bool RunPasswordDialog(HWND parent, const std::string& title, std::string* password) {
  PasswordDialog dialog(title);
  if (dialog.Run(parent) != IDOK) return false;
  *password = dialog.password;
  return true;
}

HWND OpenPasswordDialog() { return openPasswordDialog; }

bool RunReadOnlyWarning(HWND parent) {
  ReadOnlyWarningDialog dialog;
  dialog.Run(parent);
  return dialog.doNotWarn;
}

int RunRevertDialog(HWND parent, const RevertChoices& choices) {
  RevertDialog dialog(choices);
  return dialog.Run(parent) == IDOK ? dialog.choice : -1;
}

bool RunEncryptionOptionsDialog(HWND parent, BookmarkList& list) {
  EncryptionOptionsDialog dialog(list);
  return dialog.Run(parent) == IDOK;
}

bool ChooseSaveCopyPath(HWND parent, const std::string& title, const std::string& folder,
                        const std::string& name, std::string* path) {
  // The overwrite question is the program's own (10041).
  return RunFileDialog(parent, title, folder, name, 0, true, path);
}

bool ChooseListPath(HWND parent, const std::string& folder, std::string* path) {
  if (!RunFileDialog(parent, "Select or create bookmark list", folder, "", 0, false, path))
    return false;
  // The open dialog leaves a typed name that names no file as typed (Wine
  // appends no default extension there): a new list still gets ".bkl".
  *path = WithListExtension(*path);
  return true;
}
