// What the notes window does beyond showing and storing fields: its
// right-click menus (105 on the window, 101 on QuickLogin, 109 on the site
// status, 110 on the last visit), the lock button and Ctrl+D.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <string>

#include "exchange/item_time.h"
#include "framework/scoped_handle.h"
#include "list/bookmark_list.h"
#include "list/encryption.h"
#include "list/list_slots.h"
#include "list/site_status.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "ui/main_window.h"
#include "ui/notes_window.h"
#include "view/marked_menus.h"
#include "view/notes_docking.h"

namespace {

constexpr char kCtrlDChar = 0x04;

// A right-click from the keyboard comes without a position: the menu opens
// at the control.
POINT MenuPoint(HWND control, POINT screen) {
  if (screen.x != -1 || screen.y != -1) return screen;
  RECT r = {};
  GetWindowRect(control, &r);
  return {r.left + 4, r.bottom};
}

// The first popup of menu resource id, chosen from at screen; the chosen
// command or 0.
int TrackMenu(int id, HWND owner, POINT at, void (*prepare)(HMENU, const void*),
              const void* context) {
  framework::ScopedMenu bar(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
  HMENU menu = bar.Get() ? GetSubMenu(bar.Get(), 0) : nullptr;
  if (!menu) return 0;
  if (prepare) prepare(menu, context);
  return TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner,
                        nullptr);
}

void CheckDockEntries(HMENU menu, const void* context) {
  const Settings& settings = *static_cast<const Settings*>(context);
  HMENU dock = GetSubMenu(menu, 0);
  if (dock)
    CheckMenuRadioItem(dock, ID_CMD_DOCK_OFF, ID_CMD_DOCK_BELOW,
                       ID_CMD_DOCK_OFF + settings.DockMode(), MF_BYCOMMAND);
  CheckMenuItem(
      menu, ID_CMD_AUTO_HIDE_NOTES,
      MF_BYCOMMAND | (settings.HasBehaviour(kBehaviourAutoHideNotes) ? MF_CHECKED : MF_UNCHECKED));
}

void GreyUnusable(HMENU menu, const void* context) {
  const MainWindow& window = *static_cast<const MainWindow*>(context);
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id == static_cast<UINT>(-1) || id == 0) continue;
    if (!window.CommandAllowed(static_cast<int>(id)))
      EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | MF_GRAYED);
  }
}

}  // namespace

bool NotesWindow::OnPageContextMenu(HWND clicked, POINT screen) {
  if (clicked == Field(IDC_QUICKLOGIN))
    ShowLoginMenu(screen);
  else if (clicked == Field(IDC_SITE_STATUS))
    ShowSiteStatusMenu(screen);
  else if (clicked == Field(IDC_LAST_VISIT))
    ShowLastVisitMenu(screen);
  else
    ShowWindowMenu(screen);
  return true;
}

void NotesWindow::ShowWindowMenu(POINT screen) {
  Settings& settings = owner_.UserSettings();
  const int chosen =
      TrackMenu(IDM_NOTES_MENU, hwnd_, MenuPoint(hwnd_, screen), &CheckDockEntries, &settings);
  if (chosen > 0) owner_.RouteCommand(chosen);
}

void NotesWindow::ShowLoginMenu(POINT screen) {
  if (!shown_) return;
  const int chosen = TrackMenu(IDM_LOGIN_BUTTON_MENU, hwnd_,
                               MenuPoint(Field(IDC_QUICKLOGIN), screen), &GreyUnusable, &owner_);
  if (chosen > 0) owner_.RouteCommand(chosen);
}

void NotesWindow::ShowLastVisitMenu(POINT screen) {
  if (!shown_) return;
  const int chosen = TrackMenu(IDM_LAST_VISIT_MENU, hwnd_, MenuPoint(Field(IDC_LAST_VISIT), screen),
                               &GreyUnusable, &owner_);
  if (chosen > 0) owner_.RouteCommand(chosen);
}

void NotesWindow::ShowSiteStatusMenu(POINT screen) {
  BookmarkList* list = owner_.List();
  if (!list || list->readOnly || !shown_) return;
  // Only a web address can be checked, and not twice at once.
  BookmarkItem record;
  list->DecodeInto(shown_, true, &record);
  if (!IsWebAddress(record.url) || record.siteStatus == kSiteChecking) return;
  const uint16_t item = shown_;
  const int chosen = TrackMenu(IDM_SITE_STATUS_MENU, hwnd_,
                               MenuPoint(Field(IDC_SITE_STATUS), screen), nullptr, nullptr);
  if (chosen == ID_CMD_CHECK_BOOKMARK)
    owner_.CheckBookmarkNow(item);
  else if (chosen == ID_CMD_RESET_SITE_STATUS)
    owner_.ResetSiteStatus(item);
  else
    return;
  Fill();
}

void NotesWindow::OnLockButton() {
  BookmarkList* list = owner_.List();
  if (!list) return;
  ListSlots& lists = owner_.Lists();
  if (!(list->encryptionOptions & kEncryptSitePasswords)) {
    // Off: the encryption options, where site passwords are switched on;
    // the main window refreshes everything (this window too) after them.
    owner_.RouteCommand(ID_CMD_ENCRYPTION_OPTIONS);
    return;
  }
  if (list->keyState != 2) {
    if (lists.AskPassword(*list, lists.currentListIndex, true)) {
      Fill();
      if (HWND password = Field(IDC_PASSWORD)) SetFocus(password);
      return;
    }
    Fill();
    return;
  }
  lists.ForgetPasswords();
  Fill();
}

bool NotesWindow::InsertDateIfNoteFocused() {
  HWND note = Field(IDC_NOTE_TEXT);
  if (!note || GetFocus() != note || !IsWindowEnabled(note)) return false;
  const std::string date = FormatItemTime(platform::Now(), kDateShort);
  for (char c : date)
    SendMessageA(note, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
  return true;
}

LRESULT CALLBACK NotesWindow::NoteBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                                          UINT_PTR /*id*/, DWORD_PTR self) {
  const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  if (msg == WM_KEYDOWN && wp == 'D' && ctrl && !(GetKeyState(VK_MENU) & 0x8000)) {
    reinterpret_cast<NotesWindow*>(self)->InsertDateIfNoteFocused();
    return 0;
  }
  // The character the key leaves behind is not text.
  if (msg == WM_CHAR && static_cast<char>(wp) == kCtrlDChar) return 0;
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &NotesWindow::NoteBoxProc, 0);
  return DefSubclassProc(hwnd, msg, wp, lp);
}
