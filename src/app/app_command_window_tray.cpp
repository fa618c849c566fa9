// The command window's side of the program as a whole: the global hot
// keys, the tray icon and its menu, minimizing the program out of sight
// and bringing it back.
#include <windows.h>
// windows.h first: shellapi.h and commctrl.h need its definitions.
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "app/app_command_window.h"
#include "app/application.h"
#include "browser/open_address.h"
#include "framework/scoped_handle.h"
#include "resources/resource.h"
#include "search/search_engine.h"
#include "settings/program_hot_keys.h"
#include "view/tray_menu_entries.h"

static_assert(kTrayNotifyMessage == WM_APP + 3, "the tray's message is WM_APP + 3");
static_assert(kModifierAlt == MOD_ALT && kModifierControl == MOD_CONTROL &&
                  kModifierShift == MOD_SHIFT && kModifierWin == MOD_WIN,
              "RegisterHotKey's modifiers");
static_assert(kHotKeyFlagShift == HOTKEYF_SHIFT && kHotKeyFlagControl == HOTKEYF_CONTROL &&
                  kHotKeyFlagAlt == HOTKEYF_ALT && kHotKeyFlagExtended == HOTKEYF_EXT,
              "the hot-key control's flags");

namespace {

constexpr char kTrayTip[] = "Vellox";
constexpr char kTaskbarClass[] = "Shell_TrayWnd";
constexpr char kDialogClass[] = "#32770";

bool OwnThread(HWND window) {
  return window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

bool HasClass(HWND window, const char* className) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

// True when window is owned, directly or through its owners, by owner.
bool OwnedBy(HWND window, HWND owner) {
  for (HWND w = GetWindow(window, GW_OWNER); w; w = GetWindow(w, GW_OWNER))
    if (w == owner) return true;
  return false;
}

// The visible dialogs of this thread that the command window owns: the
// main window and whichever of its dialogs are open.
struct OpenWindows {
  HWND owner;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectOpen(HWND window, LPARAM lp) {
  auto* open = reinterpret_cast<OpenWindows*>(lp);
  if (IsWindowVisible(window) && HasClass(window, kDialogClass) && OwnedBy(window, open->owner))
    open->found.push_back(window);
  return TRUE;
}

// Fills a tray submenu with a SmartFolder's entries; greyed when it has none.
void FillSmartFolderMenu(HMENU menu, UINT position, BookmarkList* list, int smartType) {
  HMENU popup = GetSubMenu(menu, static_cast<int>(position));
  if (!popup) return;
  // The template's placeholder goes.
  while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
  std::vector<TrayMenuEntry> entries;
  if (list) entries = TrayMenuEntries(*list, smartType);
  for (const TrayMenuEntry& entry : entries) {
    if (entry.separator)
      AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuA(popup, MF_STRING, ID_CMD_TRAY_ITEM_BASE + entry.item, entry.text.c_str());
  }
  if (entries.empty()) EnableMenuItem(menu, position, MF_BYPOSITION | MF_GRAYED);
}

}  // namespace

void AppCommandWindow::RegisterProgramHotKeys() {
  const Settings& settings = App().settings;
  for (int id = 0; id < kHotKeyCount; ++id) {
    UnregisterHotKey(hwnd_, id);
    const HotKeyBinding binding = HotKeyBindingOf(settings.programHotKeys[static_cast<size_t>(id)]);
    // A key that another program holds stays with it.
    if (binding.virtualKey != 0) RegisterHotKey(hwnd_, id, binding.modifiers, binding.virtualKey);
  }
}

void AppCommandWindow::UpdateTrayIcon() {
  const bool wanted = App().settings.HasBehaviour(kBehaviourUseTray);
  if (wanted)
    SetTrayIcon(NIM_ADD, false);
  else if (trayIconShown_)
    SetTrayIcon(NIM_DELETE, false);
}

void AppCommandWindow::SetTrayIcon(DWORD operation, bool keepWindow) {
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof data;
  data.hWnd = hwnd_;
  data.uID = kTrayIconId;
  if (operation == NIM_ADD) {
    if (trayIconShown_) SetTrayIcon(NIM_DELETE, true);
    // The icon stands for the program: no task bar button beside it.
    ShowWindow(hwnd_, SW_HIDE);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayNotifyMessage;
    data.hIcon = SmallIcon();
    lstrcpynA(data.szTip, kTrayTip, sizeof data.szTip);
    trayIconShown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    return;
  }
  if (operation == NIM_DELETE) {
    if (!keepWindow) ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_SHOWMINNOACTIVE : SW_SHOWNA);
    if (trayIconShown_) Shell_NotifyIconA(NIM_DELETE, &data);
    trayIconShown_ = false;
  }
}

void AppCommandWindow::MinimizeToTray() {
  // The windows are noted before the minimizing hides any of them.
  OpenWindows open{hwnd_, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectOpen, reinterpret_cast<LPARAM>(&open));
  for (HWND window : open.found)
    if (std::find(hiddenWindows_.begin(), hiddenWindows_.end(), window) == hiddenWindows_.end())
      hiddenWindows_.push_back(window);
  ShowWindow(hwnd_, SW_MINIMIZE);
  if (App().settings.HasBehaviour(kBehaviourUseTray)) ShowWindow(hwnd_, SW_HIDE);
  for (HWND window : hiddenWindows_)
    if (IsWindow(window)) ShowWindow(window, SW_HIDE);
}

void AppCommandWindow::RestoreFromTray() {
  if (IsIconic(hwnd_)) {
    ShowWindow(hwnd_, SW_RESTORE);
    // With the tray the command window never shows on the task bar.
    if (App().settings.HasBehaviour(kBehaviourUseTray)) ShowWindow(hwnd_, SW_HIDE);
  }
  std::vector<HWND> hidden;
  hidden.swap(hiddenWindows_);
  if (!mainWindow_) return;
  HWND main = mainWindow_->Handle();
  if (!mainWindow_->IsVisible() || IsIconic(main)) mainWindow_->Show(SW_RESTORE);
  // The dialogs that were open come back behind the main window, inactive.
  for (HWND window : hidden)
    if (window != main && IsWindow(window) && OwnedBy(window, hwnd_)) ShowWindow(window, SW_SHOWNA);
  mainWindow_->ApplyKeepAtFront();
  SetForegroundWindow(main);
}

void AppCommandWindow::OnHotKey(int id) {
  if (!mainWindow_) return;
  switch (id) {
    case kHotKeyActivate:
      if (OwnThread(GetForegroundWindow()) && mainWindow_->IsVisible())
        MinimizeToTray();
      else
        RestoreFromTray();
      break;
    case kHotKeyFetch:
      RestoreFromTray();
      PostCommand(ID_CMD_FETCH);
      break;
    case kHotKeyOpenNew:
      RestoreFromTray();
      PostCommand(ID_CMD_OPEN_NEW_BOOKMARK);
      break;
    case kHotKeyFillLogin:
      // Typed into the window in front: the program stays where it is.
      PostCommand(ID_CMD_FILL_LOGIN_FORM);
      break;
  }
}

void AppCommandWindow::OnTrayMouse(UINT mouseMessage) {
  if (!mainWindow_) return;
  if (mouseMessage == WM_LBUTTONDOWN) {
    if (!mainWindow_->IsVisible() || IsIconic(mainWindow_->Handle()))
      RestoreFromTray();
    else
      OnTrayClickWhileShown();
  } else if (mouseMessage == WM_RBUTTONUP) {
    ShowTrayMenu();
  }
}

void AppCommandWindow::OnTrayClickWhileShown() {
  // The click made the task bar the foreground window: the window that was
  // in front before is the one below it, past the topmost windows (unless
  // the program itself keeps to the front) and the invisible ones.
  HWND window = GetForegroundWindow();
  if (!window) window = GetTopWindow(nullptr);
  if (window && HasClass(window, kTaskbarClass)) window = GetWindow(window, GW_HWNDNEXT);
  const bool keepAtFront = App().settings.HasWindowFlag(mainWindow_->Family(), kWindowKeepAtFront);
  if (!keepAtFront)
    while (window && (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
      window = GetWindow(window, GW_HWNDNEXT);
  while (window && !(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE))
    window = GetWindow(window, GW_HWNDNEXT);
  if (OwnThread(window))
    MinimizeToTray();
  else
    SetForegroundWindow(mainWindow_->Handle());
}

void AppCommandWindow::ShowTrayMenu() {
  framework::ScopedMenu resource(
      LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_TRAY_MENU)));
  HMENU menu = resource.Get() ? GetSubMenu(resource.Get(), 0) : nullptr;
  if (!menu) return;
  BookmarkList* list = mainWindow_ ? mainWindow_->List() : nullptr;
  FillSmartFolderMenu(menu, 0, list, kSmartDueToVisit);
  FillSmartFolderMenu(menu, 1, list, kSmartFavorites);
  POINT at = {};
  GetCursorPos(&at);
  // A menu of a window that is not in front would not close when the user
  // clicks elsewhere; the null message lets it close at once after.
  SetForegroundWindow(hwnd_);
  const UINT command = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD, at.x, at.y, 0, hwnd_, nullptr));
  Post(WM_NULL, 0, 0);
  // Filling the submenus kept the SmartFolders (entries no longer due
  // left "Due to visit"): the columns show them as they are now.
  if (mainWindow_ && mainWindow_->List()) mainWindow_->RefillColumns(-1, true);
  if (command == 0) return;
  if (command >= ID_CMD_TRAY_ITEM_BASE) {
    OpenTrayEntry(static_cast<uint16_t>(command - ID_CMD_TRAY_ITEM_BASE));
    return;
  }
  if (command == ID_CMD_FETCH) RestoreFromTray();
  PostCommand(static_cast<int>(command));
}

void AppCommandWindow::OpenTrayEntry(uint16_t item) {
  BookmarkList* list = mainWindow_ ? mainWindow_->List() : nullptr;
  if (!list) return;
  if (!IsSmartFolderEntry(*list, kSmartDueToVisit, item) &&
      !IsSmartFolderEntry(*list, kSmartFavorites, item))
    return;
  SelectItem(*list, item);
  mainWindow_->RefillColumns(-1, true);
  mainWindow_->OpenItem(item, static_cast<int>(browser::TabChoice::kDefault), false, false, -1);
}
