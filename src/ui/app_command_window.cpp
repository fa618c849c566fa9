#include "ui/app_command_window.h"

#include <string>

#include "app/application.h"
#include "app/list_opening.h"
#include "app/run_mode.h"
#include "app/single_instance.h"
#include "settings/settings_store.h"
#include "ui/main_window.h"

bool AppCommandWindow::OnCreate() {
  VelloxApp& app = App();
  Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.largeIcon));
  Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app.smallIcon));
  // The hidden window can only be minimized and restored.
  HMENU menu = GetSystemMenu(hwnd_, FALSE);
  DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  return true;
}

void AppCommandWindow::OnDestroy() {
  VelloxApp& app = App();
  if (app.runMode != kRunUninstaller && app.runMode < kRunNotConfigured) SaveSettings(app.settings, false);
  PostQuitMessage(0);
}

void AppCommandWindow::BuildMainWindow(int mode, bool startMinimized) {
  CreateMainWindow(mode, Handle(), startMinimized);
}

void AppCommandWindow::RestoreProgram() {
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  if (currentMainWindow) {
    if (!currentMainWindow->IsVisible() || IsIconic(currentMainWindow->Handle()))
      currentMainWindow->Show(SW_RESTORE);
    SetForegroundWindow(currentMainWindow->Handle());
  }
}

LRESULT AppCommandWindow::OnCopyData(const COPYDATASTRUCT* data) {
  if (!currentMainWindow || !data || !data->lpData || data->cbData == 0) return 0;
  // The text comes from another process: never read past its size.
  const char* text = static_cast<const char*>(data->lpData);
  std::string path(text, strnlen(text, data->cbData));
  if (path.empty()) return 0;
  RestoreProgram();
  OpenListByPath(path);
  return 1;
}

LRESULT AppCommandWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == IAmVelloxMessage()) return IAmVelloxMessage();
  switch (msg) {
    case WM_COPYDATA:
      return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp));
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_RESTORE) {
        RestoreProgram();
        return 0;
      }
      break;
  }
  return Window::HandleMessage(msg, wp, lp);
}
