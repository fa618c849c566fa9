#include "app/app_command_window.h"

#include <dde.h>
#include <shellapi.h>

#include <string>
#include <utility>

#include "app/application.h"
#include "app/list_opening.h"
#include "app/run_mode.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "setup/installer.h"
#include "setup/uninstaller.h"
#include "ui/command_table.h"
#include "util/single_instance_win.h"

AppCommandWindow::AppCommandWindow() = default;

// The main window goes before the command window's handle.
AppCommandWindow::~AppCommandWindow() { DeleteMainWindow(); }

namespace {
const UINT kQueueMarkerMessage = RegisterWindowMessageA(kQueueMarkerMessageName);

// What the main window is built with and cannot change in place: the
// custom look with its colours, and the dialog font.
std::string WindowLook(const Settings& settings) {
  std::string look =
      std::to_string(settings.behaviourFlags & (kBehaviourFlatStyle | kBehaviourCustomFont)) + "|" +
      settings.fontFace + "|" + std::to_string(settings.fontSize);
  for (uint32_t color : settings.colors) look += "|" + std::to_string(color);
  return look;
}
}  // namespace

void AppCommandWindow::PreferencesApplied() {
  // A changed look or font rebuilds the main window as a change of the
  // system colours does; while the preferences dialog holds the window,
  // the rebuild waits for it to close (OnCommand).
  // The open lists, the hot keys, the tray icon and the tips dialog's
  // start-up box follow the pages at once.
  App().lists.FollowSettings();
  RegisterProgramHotKeys();
  UpdateTrayIcon();
  if (mainWindow_) mainWindow_->TipsStartUpChoiceChanged();
  VelloxApp& app = App();
  const std::string look = WindowLook(app.settings);
  if (!mainWindow_ || look == builtLook_) return;
  builtLook_ = look;
  PostCommand(ID_CMD_MODE_COMPACT - kModeCompact + app.settings.WindowMode());
}

bool AppCommandWindow::OnCreate() {
  Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LargeIcon()));
  Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(SmallIcon()));
  // The hidden window can only be minimized and restored.
  HMENU menu = GetSystemMenu(hwnd_, FALSE);
  DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  if (App().settings.HasBehaviour(kBehaviourUseTray)) SetTrayIcon(NIM_ADD, false);
  RegisterProgramHotKeys();
  browser::SetUiWait(&uiWait_);
  dde_ = std::make_unique<browser::DdeClient>(hwnd_);
  browser::DdeClient::SetCurrent(dde_.get());
  return true;
}

void AppCommandWindow::OnDestroy() {
  if (trayIconShown_) SetTrayIcon(NIM_DELETE, true);
  for (int id = 0; id < kHotKeyCount; ++id) UnregisterHotKey(hwnd_, id);
  dde_.reset();
  browser::SetUiWait(nullptr);
  VelloxApp& app = App();
  if (app.runMode != kRunUninstaller && app.runMode < kRunNotConfigured)
    SaveSettings(app.settings, false);
  PostQuitMessage(0);
}

void AppCommandWindow::EndProgram() { PostMessageA(hwnd_, kMsgEndProgram, 0, 0); }

bool AppCommandWindow::ProgramMinimized() const { return hwnd_ && IsIconic(hwnd_); }

void AppCommandWindow::PostRestoreProgram() { Post(WM_SYSCOMMAND, SC_RESTORE, 0); }

HICON AppCommandWindow::LargeIcon() const { return App().largeIcon; }

HICON AppCommandWindow::SmallIcon() const { return App().smallIcon; }

void AppCommandWindow::UseAccelerators(HACCEL table, HWND window) {
  VelloxApp& app = App();
  if (table)
    app.SetAccelerators(table, window);
  else
    app.SetAccelerators(app.acceleratorTable.Get(), nullptr);
}

void AppCommandWindow::BuildMainWindow(int mode, bool startMinimized, bool startHidden) {
  VelloxApp& app = App();
  MainWindowContext context;
  context.settings = &app.settings;
  context.lists = &app.lists;
  context.program = this;
  context.checks = &app.checks;
  mainWindow_ = CreateMainWindow(mode, context, Handle(), startMinimized, startHidden);
  builtLook_ = WindowLook(app.settings);
}

void AppCommandWindow::DeleteMainWindow() {
  // The dialogs hidden with the program go with their main window.
  hiddenWindows_.clear();
  ::DeleteMainWindow(std::move(mainWindow_));
}

bool AppCommandWindow::RunFirstSetup() {
  VelloxApp& app = App();
  return RunSetupDialog(hwnd_, &app.settings, app.programPath);
}

void AppCommandWindow::RunUninstall() {
  VelloxApp& app = App();
  if (RunUninstallDialog(hwnd_, app.settings, app.programPath)) app.runMode = kRunUninstaller;
}

bool AppCommandWindow::CloseListAndMainWindow() {
  VelloxApp& app = App();
  if (mainWindow_ && !mainWindow_->SaveBeforeLeavingLists(true)) return false;
  // The setup may move the lists: the list to reopen is kept by its index.
  if (app.lists.currentListIndex >= 0) app.settings.currentListIndex = app.lists.currentListIndex;
  app.lists.CloseAll();
  DeleteMainWindow();
  return true;
}

void AppCommandWindow::ReopenMainWindow() {
  VelloxApp& app = App();
  BuildMainWindow(app.settings.WindowMode(), false);
  if (app.settings.currentListIndex >= 0) OpenKnownList(app.settings.currentListIndex);
  if (mainWindow_) mainWindow_->RefreshDisplay();
}

void AppCommandWindow::OnSetupCommand() {
  if (!CloseListAndMainWindow()) return;
  RunFirstSetup();
  ReopenMainWindow();
}

void AppCommandWindow::OnUninstallCommand() {
  if (!CloseListAndMainWindow()) return;
  RunUninstall();
  // After a removal the program ends; its settings are not written back.
  if (App().runMode == kRunUninstaller) {
    Destroy();
    return;
  }
  ReopenMainWindow();
}

bool AppCommandWindow::OnCommand(int id, int /*code*/, HWND /*control*/) {
  // Posted while a prompt or a save holds the lists: it runs afterwards.
  if (ReplacesOpenLists(id) && ListsInUse()) {
    RunWhenIdle(id);
    return true;
  }
  switch (id) {
    case ID_CMD_SETUP:
      OnSetupCommand();
      return true;
    case ID_CMD_UNINSTALL:
      OnUninstallCommand();
      return true;
    case ID_CMD_MODE_COMPACT:
    case ID_CMD_MODE_REGULAR:
    case ID_CMD_MODE_ORGANIZE:
      SwitchMode(id - ID_CMD_MODE_COMPACT + 1);
      return true;
    default:
      // Everything else is the main window's.
      if (mainWindow_) mainWindow_->RouteCommand(id);
      return mainWindow_ != nullptr;
  }
}

void AppCommandWindow::SwitchMode(int mode) {
  VelloxApp& app = App();
  // Organize edits the list: a read-only list stays where it is shown.
  if (mode == kModeOrganize && app.lists.HasCurrent() && !app.lists.CurrentIsWritable()) return;
  // A window rebuilt while hidden or minimized (a change of the system
  // colours) stays so.
  bool hidden = false, minimized = false;
  if (mainWindow_) {
    if (!mainWindow_->SaveBeforeLeavingLists(false)) return;
    hidden = !mainWindow_->IsVisible();
    minimized = IsIconic(mainWindow_->Handle()) != FALSE;
    DeleteMainWindow();
  }
  app.settings.SetWindowMode(mode);
  BuildMainWindow(mode, minimized, hidden);
}

bool AppCommandWindow::OnClose() {
  if (ListsInUse()) {
    waitingWork_.push_back({WM_CLOSE, 0});
    return true;
  }
  // Closing the program from outside (the installer replacing it) offers
  // to save the list first, asking when the user chose to be asked.
  return mainWindow_ && !mainWindow_->SaveBeforeLeavingLists(true);
}

bool AppCommandWindow::ListsInUse() const {
  // A modal prompt or dialog disables the window that owns it: the command
  // window (setup, uninstall) or the main window (the save prompt, the
  // revert and password dialogs, the file dialogs, any message box).
  if (!IsWindowEnabled(hwnd_)) return true;
  if (mainWindow_ && !IsWindowEnabled(mainWindow_->Handle())) return true;
  return ListsWaitingInSave();
}

bool AppCommandWindow::RunWaitingWork() {
  if (ListsInUse()) return false;
  if (!waitingWork_.empty()) {
    WaitingWork work = waitingWork_.front();
    waitingWork_.pop_front();
    Send(work.message, work.message == WM_COMMAND ? static_cast<WPARAM>(work.command) : 0, 0);
  } else if (!handedOverPaths_.empty()) {
    OpenHandedOverList();
  }
  return !waitingWork_.empty() || !handedOverPaths_.empty();
}

LRESULT AppCommandWindow::OnCopyData(const COPYDATASTRUCT* data) {
  if (!data || !data->lpData || data->cbData == 0) return 0;
  // The text comes from another process: never read past its size.
  const char* text = static_cast<const char*>(data->lpData);
  std::string path(text, strnlen(text, data->cbData));
  if (path.empty()) return 0;
  // The program comes out of the tray at once, as the other copy asked.
  if (mainWindow_) RestoreFromTray();
  // The other copy waits for this reply: the save prompt and the opening
  // run after it, from this window's queue, or when the program is idle
  // again if the lists are in use then.
  handedOverPaths_.push_back(std::move(path));
  Post(kMsgOpenHandedOver, 0, 0);
  return 1;
}

void AppCommandWindow::OpenHandedOverList() {
  // Under a prompt, a save or a dialog the path waits for RunWaitingWork.
  if (handedOverPaths_.empty() || ListsInUse()) return;
  std::string path = std::move(handedOverPaths_.front());
  handedOverPaths_.pop_front();
  if (!mainWindow_) return;
  RestoreFromTray();
  // Cancel keeps the open list as it is, and the handed-over one unopened.
  if (!mainWindow_->SaveBeforeLeavingLists(false)) return;
  OpenListByPath(path);
}

LRESULT AppCommandWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == IAmVelloxMessage()) return IAmVelloxMessage();
  if (msg == kQueueMarkerMessage && kQueueMarkerMessage != 0) {
    HWND sender = reinterpret_cast<HWND>(wp);
    if (IsWindow(sender)) PostMessageA(sender, msg, 0, lp);
    return 0;
  }
  switch (msg) {
    case WM_DDE_ACK:
    case WM_DDE_DATA:
    case WM_DDE_TERMINATE:
      if (dde_ && dde_->HandleMessage(msg, wp, lp)) return 0;
      break;
    case WM_COPYDATA:
      return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp));
    case WM_QUERYENDSESSION:
      return OnQueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
      OnEndSession(wp != FALSE);
      return 0;
    case kMsgOpenHandedOver:
      OpenHandedOverList();
      return 0;
    case kMsgEndProgram:
      // The main window goes first, while it can still store its place
      // and its dialogs' places; the settings are written after it.
      DeleteMainWindow();
      Destroy();
      return 0;
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_RESTORE) {
        RestoreFromTray();
        return 0;
      }
      if ((wp & 0xFFF0) == SC_MINIMIZE) {
        MinimizeToTray();
        return 0;
      }
      break;
    case WM_HOTKEY:
      OnHotKey(static_cast<int>(wp));
      return 0;
    case kTrayNotifyMessage:
      if (wp == kTrayIconId) OnTrayMouse(static_cast<UINT>(lp));
      return 0;
  }
  return Window::HandleMessage(msg, wp, lp);
}
