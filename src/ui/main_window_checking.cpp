// The site checker's side of the main window: the "Check status of"
// commands, the checking dialog's progress step, and the entry points of
// the notes window's site-status menu (109).
#include <algorithm>
#include <vector>

#include "checker/check_run.h"
#include "checker/site_checks.h"
#include "list/site_status.h"
#include "resources/resource.h"
#include "ui/checking_dialog.h"
#include "ui/main_window.h"

namespace {

CheckRunOptions RunOptions(const Settings& settings) {
  CheckRunOptions options;
  options.jobs = static_cast<int>(std::max<uint32_t>(settings.simultaneousChecks, 1));
  // A finished check wakes the message loop, whose idle processing stores it.
  const DWORD thread = GetCurrentThreadId();
  options.wake = [thread] { PostThreadMessageA(thread, WM_NULL, 0, 0); };
  return options;
}

}  // namespace

void MainWindow::CreateCheckingDialog() {
  DestroyCheckingDialog();
  auto created = std::make_unique<CheckingDialog>(*this);
  if (created->Create(hwnd_)) checking_ = std::move(created);
}

void MainWindow::DestroyCheckingDialog() {
  if (!checking_) return;
  checking_->StorePosition();
  checking_.reset();
}

HWND MainWindow::CheckingDialogWindow() const { return checking_ ? checking_->Handle() : nullptr; }

void MainWindow::OnCheckStatus(int id) {
  BookmarkList* list = List();
  if (!list || !checks_) return;
  uint16_t scope = 0;  // the whole list
  if (id != ID_CMD_CHECK_LIST) {
    const int level = id == ID_CMD_CHECK_SELECTED ? FocusedLevel() : id - ID_CMD_CHECK_CATEGORY;
    if (level < kLevelCategory || level > kLevelBookmark) return;
    scope = list->columns[level].SelectedItem();
    if (scope == 0) return;
  }
  CheckRun& run = checks_->RunFor(*list, RunOptions(settings_));
  run.StartScope(scope);
  if (checking_) checking_->ShowRun(run);
  // A command sent from another thread or program leaves the message loop
  // without a posted message, so idle processing would not start the run.
  PostMessageA(hwnd_, WM_NULL, 0, 0);
}

bool MainWindow::CheckingStep() {
  BookmarkList* list = List();
  CheckRun* run = checks_ && list ? checks_->Find(list) : nullptr;
  if (!run || !checking_) return false;
  std::vector<uint16_t> stored;
  const bool more = checking_->Step(*run, &stored);
  if (!stored.empty()) SiteStatusesStored(stored);
  return more;
}

void MainWindow::CheckBookmarkNow(uint16_t item) {
  BookmarkList* list = List();
  if (!list || !checks_ || !list->IsIndex(item) || list->Level(item) != kLevelBookmark) return;
  CheckRun& run = checks_->RunFor(*list, RunOptions(settings_));
  run.StartScope(item);
  run.NextCheck();
}

void MainWindow::ResetSiteStatus(uint16_t item) {
  BookmarkList* list = List();
  if (!list || !list->IsIndex(item) || list->Level(item) != kLevelBookmark) return;
  BookmarkItem record;
  list->DecodeInto(item, true, &record);
  record.siteStatus = kSiteNotChecked;
  list->Encode(record);
  SiteStatusesStored({record.index});
}

void MainWindow::OnResetSiteStatus(int /*id*/) {
  if (BookmarkList* list = List()) ResetSiteStatus(list->columns[kLevelBookmark].SelectedItem());
}

void MainWindow::SiteStatusesStored(const std::vector<uint16_t>& /*items*/) {
  // The List View shows the status column, the notes window the status of
  // the selected bookmark.
  RefreshListView();
  RefreshNotesWindow();
  UpdateStatusLine();
}
