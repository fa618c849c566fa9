// QuickLogin: the selected bookmark's log-in and password typed into the
// window the user worked in before, or copied to the clipboard.
#include <string>

#include "browser/login_typing_win.h"
#include "list/bookmark_list.h"
#include "list/encryption.h"
#include "resources/resource.h"
#include "ui/main_window.h"
#include "util/clipboard_win.h"

namespace {

// The bookmark of the bookmark column's selection (an alias gives its
// target's record); false when none is selected.
bool SelectedRecord(BookmarkList* list, BookmarkItem* record) {
  if (!list) return false;
  const uint16_t item = list->columns[kLevelBookmark].SelectedItem();
  if (!item || !list->TestFlags(item, kFlagBookmark) || list->TestFlags(item, kFlagSeparator))
    return false;
  list->DecodeInto(item, true, record);
  return true;
}

bool SitePasswordsLocked(const BookmarkList& list) {
  return (list.encryptionOptions & kEncryptSitePasswords) && list.keyState != 2;
}

// CF_TEXT with its terminating zero.
void CopyText(const std::string& text, HWND owner) {
  SetClipboardText(CF_TEXT, text.c_str(), text.size() + 1, owner, true);
}

}  // namespace

bool MainWindow::UnlockSitePasswords(BookmarkList& list) {
  if (SitePasswordsLocked(list)) lists_.AskPassword(list, lists_.currentListIndex, true);
  return !SitePasswordsLocked(list);
}

void MainWindow::OnFillLoginForm(int /*id*/) {
  BookmarkList* list = List();
  BookmarkItem record;
  if (!SelectedRecord(list, &record)) return;
  HWND target = browser::FindLoginTarget();
  if (!target) return;
  const bool hasPassword = !record.password.empty();
  if (hasPassword && !UnlockSitePasswords(*list)) return;
  const uint32_t delay = settings_.quickLoginDelay;
  HWND focus = browser::ActivateAndReadFocus(target, delay);
  if (!focus) return;
  const std::string password = hasPassword ? GetSitePassword(*list, record) : std::string();
  browser::TypeLogin(focus, record.login, hasPassword ? &password : nullptr, delay);
}

void MainWindow::OnCopyLogin(int id) {
  BookmarkList* list = List();
  BookmarkItem record;
  if (!SelectedRecord(list, &record)) return;
  if (id == ID_CMD_COPY_LOGIN) {
    CopyText(record.login, hwnd_);
    return;
  }
  if (record.password.empty() && id == ID_CMD_COPY_PASSWORD) return;
  if (!record.password.empty() && !UnlockSitePasswords(*list)) return;
  const std::string password = GetSitePassword(*list, record);
  // "log-in + tab + password"
  CopyText(id == ID_CMD_COPY_PASSWORD ? password : record.login + "\t" + password, hwnd_);
}
