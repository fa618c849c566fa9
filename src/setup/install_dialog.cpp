#include "setup/install_dialog.h"

#include <shlobj.h>

#include "framework/controls.h"
#include "resources/resource.h"
#include "setup/folder_browse.h"
#include "setup/program_files.h"
#include "setup/shell_folders.h"

namespace {

constexpr int kShortcutBoxes[kShortcutPlaceCount] = {
    IDC_SHORTCUT_PROGRAM_GROUP, IDC_SHORTCUT_START_MENU, IDC_SHORTCUT_DESKTOP,
    IDC_SHORTCUT_QUICK_LAUNCH, IDC_SHORTCUT_STARTUP};

}  // namespace

InstallDialog::InstallDialog(SetupForm form, const InstallContext& context,
                             const InstallChoices& initial)
    : Dialog(form == SetupForm::kInstall ? IDD_INSTALL : IDD_SETUP),
      choices(initial),
      context_(context) {}

bool InstallDialog::OnInit() {
  for (int id : {IDC_APP_FOLDER, IDC_LIST_FOLDER, IDC_START_MENU_FOLDER})
    framework::EditBox(Item(id)).SetLimit(MAX_PATH - 20);
  SetItemText(IDC_APP_FOLDER, choices.appFolder);
  SetItemText(IDC_LIST_FOLDER, choices.listFolder);
  SetItemText(IDC_START_MENU_FOLDER, choices.startMenu);
  for (int place = 0; place < kShortcutPlaceCount; ++place)
    CheckButton(kShortcutBoxes[place], choices.shortcuts[place]);
  return true;
}

void InstallDialog::ReadChoices() {
  choices.appFolder = ItemText(IDC_APP_FOLDER);
  if (!choices.appFolder.empty()) choices.appFolder = WithBackslash(choices.appFolder);
  choices.listFolder = ItemText(IDC_LIST_FOLDER);
  choices.startMenu = WithoutBackslash(ItemText(IDC_START_MENU_FOLDER));
  while (!choices.startMenu.empty() && choices.startMenu.front() == '\\')
    choices.startMenu.erase(0, 1);
  for (int place = 0; place < kShortcutPlaceCount; ++place)
    choices.shortcuts[place] = IsChecked(kShortcutBoxes[place]);
}

void InstallDialog::ChooseStartMenu() {
  std::string programs = SpecialFolder(CSIDL_PROGRAMS);
  std::string folder = programs + ItemText(IDC_START_MENU_FOLDER);
  if (!ChooseFolder(hwnd_, "Select Start Menu Subfolder", CSIDL_PROGRAMS, &folder)) return;
  // The subfolder is kept relative to the Programs folder.
  std::string relative;
  if (folder.size() > programs.size() &&
      lstrcmpiA(folder.substr(0, programs.size()).c_str(), programs.c_str()) == 0)
    relative = WithoutBackslash(folder.substr(programs.size()));
  SetItemText(IDC_START_MENU_FOLDER, relative);
}

bool InstallDialog::OnCommand(int id, int code, HWND control) {
  std::string folder;
  switch (id) {
    case IDC_CHOOSE_APP_FOLDER:
      folder = ItemText(IDC_APP_FOLDER);
      if (ChooseFolder(hwnd_, "Choose Application Folder", -1, &folder))
        SetItemText(IDC_APP_FOLDER, folder);
      return true;
    case IDC_CHOOSE_LIST_FOLDER:
      folder = ResolveListFolder(ItemText(IDC_LIST_FOLDER), ItemText(IDC_APP_FOLDER));
      if (ChooseFolder(hwnd_, "Choose Default Bookmark List Folder", -1, &folder))
        SetItemText(IDC_LIST_FOLDER, folder);
      return true;
    case IDC_SELECT_START_MENU:
      ChooseStartMenu();
      return true;
    default:
      return Dialog::OnCommand(id, code, control);
  }
}

void InstallDialog::OnOK() {
  ReadChoices();
  InstallPrompter prompter(hwnd_, false);
  EnableWindow(hwnd_, FALSE);
  int result = CheckAndInstall(context_, choices, &prompter);
  EnableWindow(hwnd_, TRUE);
  if (result == 0) End(IDOK);
}
