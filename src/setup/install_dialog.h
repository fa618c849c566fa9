// Dialog 511 "Install Vellox v3.9.0" and its twin 510, the setup of the
// installed program: application folder, default list folder, start-menu
// subfolder and the five shortcut places. OK checks and installs; the
// dialog stays open after a failure.
#pragma once

#include "framework/dialog.h"
#include "setup/install_choices.h"
#include "setup/installer.h"

class InstallDialog : public framework::Dialog {
 public:
  InstallDialog(SetupForm form, const InstallContext& context, const InstallChoices& choices);

  InstallChoices choices;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void ReadChoices();
  void ChooseStartMenu();

  InstallContext context_;
};
