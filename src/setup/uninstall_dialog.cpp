#include "setup/uninstall_dialog.h"

#include "resources/resource.h"

UninstallDialog::UninstallDialog() : Dialog(IDD_UNINSTALL) {}

bool UninstallDialog::OnInit() {
  CheckButton(IDC_ERASE_PREFERENCES, choices.erasePreferences);
  CheckButton(IDC_UNINSTALL_PROGRAM, choices.removeProgram);
  return true;
}

void UninstallDialog::OnOK() {
  choices.erasePreferences = IsChecked(IDC_ERASE_PREFERENCES);
  choices.removeProgram = IsChecked(IDC_UNINSTALL_PROGRAM);
  End(IDOK);
}
