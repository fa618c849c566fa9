#include "ui/tips_dialog.h"

#include <ctime>
#include <iterator>
#include <memory>

#include "resources/resource.h"
#include "ui/dialog_corner.h"
#include "ui/main_window.h"
#include "util/rect.h"

namespace {

// Each tip names keys the program really has (the menus and keyboard
// tables of main_window.rc).
const char* const kTips[] = {
    "Just start typing: in Regular and Compact mode the search box has the focus whenever the "
    "main window comes to the front. Ctrl+F starts or cancels a search, F3 goes to the next "
    "match and Shift+F3 to the previous one.",
    "Ctrl+E (or the Fetch button) makes a new bookmark of the page your default browser is "
    "showing.",
    "Ctrl+L types the selected bookmark's log-in and password into the form of the window you "
    "used last. Ctrl+Shift+L and Ctrl+Shift+P copy the log-in or the password instead.",
    "F6, F7 and F8 switch between Compact, Regular and Organize mode.",
    "F5 shows or hides the notes window, and F9 the list view.",
    "Ctrl+X marks the selected item. Ctrl+M then opens every marked bookmark, Ctrl+Shift+C "
    "clears the marks and Ctrl+Shift+D deletes the marked items.",
    "Ctrl+1 to Ctrl+0 switch to the first ten bookmark lists of the File menu; Ctrl+Tab goes "
    "back to the list you used before.",
    "Ctrl+Shift+N opens an address you type in your default browser, and Ctrl+Shift+B opens a "
    "blank tab.",
    "Ctrl+Shift+F opens the advanced search, with its filters and saved presets.",
    "In Regular and Organize mode, Alt+1, Alt+2 and Alt+3 (or Alt+C, Alt+S and Alt+B) go to the "
    "categories, subcategories and bookmarks; Ctrl+Down sorts the column you are in.",
    "Ctrl+S saves the list at once and Ctrl+Shift+S saves a copy of it. A changed list is also "
    "saved by itself after ten minutes.",
    "F12 minimizes Vellox. With \"Use System Tool Tray\" chosen in the preferences it goes to "
    "the notification area: click its icon to bring it back, or right-click it for your "
    "Favorites and the bookmarks due to visit.",
    "Hot keys reach Vellox from any program: set them on the Hot Keys page of the preferences "
    "(Ctrl+Alt+P) to bring Vellox forward, bookmark the current page, open a new bookmark or "
    "fill out a log-in form.",
    "Ctrl+C copies the selected bookmark's address, and Ctrl+O opens it.",
};
constexpr size_t kTipCount = std::size(kTips);

}  // namespace

TipsDialog::TipsDialog(Settings& settings, int family)
    : Dialog(IDD_TIPS),
      settings_(settings),
      family_(family),
      // Another day, another first tip.
      tip_(static_cast<size_t>(std::time(nullptr) / 86400) % kTipCount) {}

bool TipsDialog::OnInit() {
  PlaceAtStoredCorner(hwnd_, settings_.windowPositions[family_][kWinPosTips]);
  return true;
}

void TipsDialog::Open(bool activate) {
  ShowStartUpChoice();
  SetItemText(IDC_TIP_TEXT, kTips[tip_]);
  tip_ = (tip_ + 1) % kTipCount;
  shown_ = true;
  Show(activate ? SW_SHOW : SW_SHOWNA);
  if (activate) SetActiveWindow(hwnd_);
}

void TipsDialog::NextTip() {
  SetItemText(IDC_TIP_TEXT, kTips[tip_]);
  tip_ = (tip_ + 1) % kTipCount;
}

void TipsDialog::ShowStartUpChoice() {
  CheckButton(IDC_SHOW_TIPS, settings_.HasBehaviour(kBehaviourShowTips));
}

void TipsDialog::StorePosition() const {
  if (!shown_ || !hwnd_) return;
  settings_.windowPositions[family_][kWinPosTips] = StoredRectOf(hwnd_);
}

bool TipsDialog::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_NEXT_TIP:
      NextTip();
      return true;
    case IDC_SHOW_TIPS:
      if (code == BN_CLICKED &&
          IsChecked(IDC_SHOW_TIPS) != settings_.HasBehaviour(kBehaviourShowTips))
        settings_.ToggleBehaviour(kBehaviourShowTips);
      return true;
    default:
      return Dialog::OnCommand(id, code, control);
  }
}

void TipsDialog::OnCancel() {
  StorePosition();
  Show(SW_HIDE);
  if (HWND owner = GetWindow(hwnd_, GW_OWNER)) SetActiveWindow(owner);
}

void MainWindow::CreateTips() {
  DestroyTips();
  auto created = std::make_unique<TipsDialog>(settings_, Family());
  if (created->Create(hwnd_)) tips_ = std::move(created);
}

void MainWindow::DestroyTips() {
  if (!tips_) return;
  tips_->StorePosition();
  tips_.reset();
}

void MainWindow::OnShowTips(int /*id*/) {
  if (tips_) tips_->Open(true);
}

void MainWindow::ShowTipsAtStart() {
  // Shown beside the main window, not in front of its keyboard: a user who
  // starts typing at once searches, as the first tip promises.
  if (tips_ && settings_.HasBehaviour(kBehaviourShowTips)) tips_->Open(false);
}

void MainWindow::TipsStartUpChoiceChanged() {
  if (tips_) tips_->ShowStartUpChoice();
}
