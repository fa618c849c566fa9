// The hidden top-level command window: owns the main window, answers a
// second copy's "I AM VELLOXFL" and takes the command line it hands over,
// minimizes or restores the whole program, runs the setup and uninstall
// dialogs (the "Setup" and "Uninstall" commands, the first run of a user
// without settings, and "-uninstall") and saves everything when the
// session ends (log-off, shut-down). It is what the main window knows of
// the program (ProgramControl). Whatever would replace or close the open
// lists while they are in use waits here until the program is idle.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/command_window_names.h"
#include "app/program_ui_wait.h"
#include "browser/dde_client_win.h"
#include "framework/window.h"
#include "ui/main_window.h"
#include "ui/program_control.h"

constexpr UINT kMsgEndProgram = WM_APP + 1;
// Opens the first list path a second copy handed over (OnCopyData).
constexpr UINT kMsgOpenHandedOver = WM_APP + 2;

class AppCommandWindow : public framework::Window, public ProgramControl {
 public:
  AppCommandWindow();
  ~AppCommandWindow() override;

  // The main window, or null (also while a mode switch is in progress).
  MainWindow* Main() const { return mainWindow_.get(); }
  // Builds the main window in mode (1 Compact, 2 Regular, 3 Organize);
  // startMinimized comes from the behaviour flags.
  void BuildMainWindow(int mode, bool startMinimized, bool startHidden = false);
  // Stores the main window's place and its dialogs' places, then
  // destroys it.
  void DeleteMainWindow();
  // The whole program out of sight: the command window minimized (and
  // hidden when the tray is in use) and the windows it owns hidden.
  void MinimizeToTray();
  // The program back: the command window restored, the main window shown
  // and brought forward, its dialogs that were open shown again without
  // being activated (app_command_window_tray.cpp).
  void RestoreFromTray();
  // Registers the four program hot keys from the settings, each unregistered
  // first; a key that another program holds is left out. Called at creation
  // and again whenever the hot keys may have changed.
  void RegisterProgramHotKeys();
  // Adds or removes the tray icon as "Use System Tool Tray" says.
  void UpdateTrayIcon();
  // The setup dialog for a user without settings; true when it was
  // completed (the settings and the first list then exist).
  bool RunFirstSetup();
  // The uninstall dialog; after a removal the program must end without
  // saving its settings.
  void RunUninstall();
  // Runs the oldest piece of work that waited for the lists (a handed-over
  // path, a command, a close); the application calls it when idle. True
  // when more is waiting.
  bool RunWaitingWork();

  // ProgramControl
  void PostProgramCommand(int id) override { PostCommand(id); }
  bool ListsInUse() const override;
  void RunWhenIdle(int id) override { waitingWork_.push_back({WM_COMMAND, id}); }
  void EndProgram() override;
  void MinimizeProgram() override { MinimizeToTray(); }
  bool ProgramMinimized() const override;
  void PostRestoreProgram() override;
  HICON LargeIcon() const override;
  HICON SmallIcon() const override;
  void UseAccelerators(HACCEL table, HWND window) override;
  void PreferencesApplied() override;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnClose() override;
  void OnDestroy() override;

 private:
  // The tray icon: NIM_ADD first removes a previous icon and hides the
  // command window; NIM_DELETE shows the command window again unless
  // keepWindow.
  void SetTrayIcon(DWORD operation, bool keepWindow);
  // One of the program hot keys was pressed (kHotKey...).
  void OnHotKey(int id);
  // A mouse message on the tray icon.
  void OnTrayMouse(UINT mouseMessage);
  // The left button on the tray icon while the main window is visible:
  // hides the program when it was in front, else brings it forward.
  void OnTrayClickWhileShown();
  // The tray menu (111) at the cursor, and what was chosen in it.
  void ShowTrayMenu();
  void OpenTrayEntry(uint16_t item);
  // Takes a list path from a second copy and queues its opening.
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  // After the save step (Cancel keeps the open list), opens the oldest
  // queued path.
  void OpenHandedOverList();
  // Closes the list and the main window (after the save prompt); false
  // when the user cancelled.
  bool CloseListAndMainWindow();
  void ReopenMainWindow();
  void OnSetupCommand();
  void OnUninstallCommand();
  // Rebuilds the main window in mode (1 Compact, 2 Regular, 3 Organize)
  // after the save prompt.
  void SwitchMode(int mode);

  // The session is ending: saves the lists (asking only when the user
  // chose "ask before saving") and the settings. False when the user
  // cancelled, which keeps the session going.
  bool OnQueryEndSession();
  // The session ends (ending) or goes on: what the question could not
  // save is saved now, without asking.
  void OnEndSession(bool ending);

  std::unique_ptr<MainWindow> mainWindow_;
  // The conversations with browsers, whose answers come to this window.
  std::unique_ptr<browser::DdeClient> dde_;
  ProgramUiWait uiWait_;
  // A message that waited while the lists were in use: WM_COMMAND with its
  // command id, or WM_CLOSE.
  struct WaitingWork {
    UINT message;
    int command;
  };
  std::deque<WaitingWork> waitingWork_;
  // The session-end question ran the save step (so No stays No at the end).
  bool sessionEndAsked_ = false;
  // Paths handed over by second copies, oldest first, each with its
  // kMsgOpenHandedOver posted.
  std::deque<std::string> handedOverPaths_;
  bool trayIconShown_ = false;
  // The windows MinimizeToTray hid (the main window and its open dialogs),
  // shown again by RestoreFromTray.
  std::vector<HWND> hiddenWindows_;
  // The look and font the main window was built with (WindowLook).
  std::string builtLook_;
};
