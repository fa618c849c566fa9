// The hidden top-level command window: owns the main window's lifetime,
// answers a second copy's "I AM VELLOXFL" and takes the command line it
// hands over, minimizes or restores the whole program, and runs the setup
// and uninstall dialogs (the "Setup" and "Uninstall" commands, the first
// run of a user without settings, and "-uninstall").
#pragma once

#include "framework/window.h"

constexpr const char kCommandWindowClass[] = "VELLOXFL";
constexpr UINT kMsgEndProgram = WM_APP + 1;
// A registered message that the command window posts straight back to the
// window named in its wParam, lParam unchanged. Being queued behind every
// message posted before it, its return tells the sender (the end-to-end
// tests) that those have all been handled.
constexpr const char kQueueMarkerMessageName[] = "VELLOXFL QUEUE MARKER";

class AppCommandWindow : public framework::Window {
 public:
  // Builds the main window in mode (1 Compact, 2 Regular, 3 Organize);
  // startMinimized comes from the behaviour flags.
  void BuildMainWindow(int mode, bool startMinimized, bool startHidden = false);
  void RestoreProgram();
  // Ends the run once the current message is handled (the caller may be
  // the main window, which is destroyed first).
  void EndProgram();
  // The setup dialog for a user without settings; true when it was
  // completed (the settings and the first list then exist).
  bool RunFirstSetup();
  // The uninstall dialog; after a removal the program must end without
  // saving its settings.
  void RunUninstall();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnClose() override;
  void OnDestroy() override;

 private:
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  // Closes the list and the main window (after the save prompt); false
  // when the user cancelled.
  bool CloseListAndMainWindow();
  void ReopenMainWindow();
  void OnSetupCommand();
  void OnUninstallCommand();
  // Rebuilds the main window in mode (1 Compact, 2 Regular, 3 Organize)
  // after the save prompt.
  void SwitchMode(int mode);
};
