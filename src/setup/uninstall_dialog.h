// Dialog 521 "Uninstall Vellox": which parts to remove.
#pragma once

#include "framework/dialog.h"
#include "setup/uninstaller.h"

class UninstallDialog : public framework::Dialog {
 public:
  UninstallDialog();

  UninstallChoices choices;

 protected:
  bool OnInit() override;
  void OnOK() override;
};
