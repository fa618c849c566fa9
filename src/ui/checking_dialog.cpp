#include "ui/checking_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "checker/check_run.h"
#include "checker/site_checks.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "ui/dialog_corner.h"
#include "ui/help_topics.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"

namespace {

// A static shows "&" as a mnemonic: the title's own are doubled.
std::string WithoutMnemonics(const std::string& text) {
  std::string result;
  for (char c : text) {
    result += c;
    if (c == '&') result += '&';
  }
  return result;
}

}  // namespace

CheckingDialog::CheckingDialog(MainWindow& owner)
    : Dialog(IDD_CHECKING), owner_(owner), family_(owner.Family()) {}

CheckRun* CheckingDialog::Run() const {
  SiteChecks* checks = owner_.Checks();
  return checks ? checks->Find(owner_.List()) : nullptr;
}

bool CheckingDialog::OnInit() {
  PlaceAtStoredCorner(hwnd_, owner_.UserSettings().windowPositions[family_][kWinPosChecking]);
  return true;
}

void CheckingDialog::StorePosition() const {
  if (!hwnd_) return;
  owner_.UserSettings().windowPositions[family_][kWinPosChecking] = StoredRectOf(hwnd_);
}

void CheckingDialog::ShowRun(const CheckRun& run) {
  SendMessageA(Item(IDC_PROGRESS), PBM_SETRANGE32, 0, static_cast<LPARAM>(run.Total()));
  SendMessageA(Item(IDC_PROGRESS), PBM_SETPOS, 0, 0);
  SetItemText(IDC_CHECKING_TITLE, "");
  SetItemText(IDC_PROGRESS_COUNT, "");
  SetItemText(IDCANCEL, "&Cancel");
  SetItemText(IDC_PAUSE, "&Pause");
  EnableItem(IDC_PAUSE, true);
  allDoneShown_ = false;
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

void CheckingDialog::ShowCount(const CheckRun& run) {
  const int done = std::max(run.Done(), 0);
  char text[32];
  std::snprintf(text, sizeof text, "%u/%u", static_cast<unsigned>(done), run.Total());
  SetItemText(IDC_PROGRESS_COUNT, text);
  SendMessageA(Item(IDC_PROGRESS), PBM_SETPOS, static_cast<WPARAM>(done), 0);
}

void CheckingDialog::ShowAllDone() {
  SetItemText(IDC_CHECKING_TITLE, "All done");
  SetItemText(IDCANCEL, "&Close");
  EnableItem(IDC_PAUSE, false);
}

bool CheckingDialog::Step(CheckRun& run, std::vector<uint16_t>* stored) {
  const bool storedOne = run.PollCheck(stored) == kPollStored;
  int taken = 0;
  uint16_t lastTaken = 0;
  for (; taken < kMaxTakenPerStep && run.CanTakeNext(); ++taken) {
    if (!run.NextCheck()) break;
    lastTaken = run.Current();
  }
  if (lastTaken != 0) {
    BookmarkItem record;
    run.List().DecodeInto(lastTaken, true, &record);
    SetItemText(IDC_CHECKING_TITLE, WithoutMnemonics(record.title));
  }
  if (storedOne || taken != 0) ShowCount(run);
  if (run.Finished() && !allDoneShown_) {
    allDoneShown_ = true;
    ShowAllDone();
  }
  return storedOne || taken == kMaxTakenPerStep;
}

bool CheckingDialog::OnMessage(UINT msg, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR* result) {
  if (!AnswerHelpMessage(msg, hwnd_, DialogHelpContext(IDD_CHECKING))) return false;
  *result = TRUE;
  return true;
}

bool CheckingDialog::OnCommand(int id, int code, HWND control) {
  if (id == IDC_HELP_BUTTON) {
    ShowHelpTopic(hwnd_, DialogHelpContext(IDD_CHECKING));
    return true;
  }
  if (id == IDC_PAUSE) {
    CheckRun* run = Run();
    if (run && run->CanToggle()) {
      run->SetActive(!run->Active());
      SetItemText(IDC_PAUSE, run->Active() ? "&Pause" : "&Resume");
    }
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

void CheckingDialog::OnCancel() {
  // A check that is running completes and is stored by the idle processing.
  if (CheckRun* run = Run()) run->Cancel();
  ShowWindow(hwnd_, SW_HIDE);
}
