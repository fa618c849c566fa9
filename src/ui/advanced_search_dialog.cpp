#include "ui/advanced_search_dialog.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "ui/dialog_corner.h"
#include "ui/help_topics.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"

namespace {

const char* const kRatingModes[] = {"at least", "at most", "unrated"};
const char* const kRatingValues[] = {"1 *", "2 **", "3 ***", "4 ****", "5 *****"};
const char* const kDateFields[] = {"last visited", "bookmark added", "bookmark modified",
                                   "site updated"};
const char* const kDateComparisons[] = {"less than", "more than"};
const char* const kStatusTexts[] = {
    "not checked",      "checking",     "updated",         "OK",     "page moved", "page not found",
    "server not found", "server error", "not a valid URL", "unknown"};

// Presets 0 and 1 are always there and cannot be removed.
constexpr int kFixedPresets = 2;

// The check boxes that each stand for one yes/no option.
const struct {
  int id;
  bool SearchOptions::*option;
} kOptionBoxes[] = {
    {IDC_IN_TITLES, &SearchOptions::inTitles},
    {IDC_IN_NOTES, &SearchOptions::inNotes},
    {IDC_IN_KEYWORDS, &SearchOptions::inKeywords},
    {IDC_IN_ADDRESSES, &SearchOptions::inAddresses},
    {IDC_WITHIN_PREVIOUS, &SearchOptions::withinPrevious},
    {IDC_EXCLUDE_SMART, &SearchOptions::excludeSmartFolders},
    {IDC_CASE_SENSITIVE, &SearchOptions::caseSensitive},
    {IDC_WHOLE_WORD, &SearchOptions::wholeWord},
    {IDC_IGNORE_PUNCTUATION, &SearchOptions::ignorePunctuation},
    {IDC_RATING_FILTER, &SearchOptions::ratingFilter},
    {IDC_INCLUDE_UNRATED, &SearchOptions::includeUnrated},
    {IDC_DATE_FILTER, &SearchOptions::dateFilter},
    {IDC_STATUS_FILTER, &SearchOptions::statusFilter},
    {IDC_SEARCH_ALL_LISTS, &SearchOptions::searchAllLists},
};

// "New Preset" (531): the name of a preset to add.
class NewPresetDialog : public framework::Dialog {
 public:
  NewPresetDialog() : Dialog(IDD_NEW_PRESET) {}
  std::string name;

 protected:
  void OnOK() override {
    name = ItemText(IDC_PRESET_NAME);
    End(IDOK);
  }
};

// Keys typed in the dialog reach its controls without passing the main
// window's accelerators, so Ctrl+Shift+F (which hides the dialog when it is
// in front) is caught in each control on the way.
// The subclass is told apart by its procedure and this id (the dialog's).
constexpr UINT_PTR kToggleKeySubclass = IDD_ADVANCED_SEARCH;

bool IsToggleKey(UINT msg, WPARAM wp) {
  bool chord = (GetKeyState(VK_CONTROL) & 0x8000) && (GetKeyState(VK_SHIFT) & 0x8000);
  return chord && ((msg == WM_KEYDOWN && wp == 'F') || (msg == WM_CHAR && wp == 'F' - '@'));
}

// refData: the main window that owns the dialog (it outlives the controls).
LRESULT CALLBACK ToggleKeyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR /*id*/,
                               DWORD_PTR refData) {
  if (IsToggleKey(msg, wp)) {
    if (msg == WM_KEYDOWN) {
      try {
        reinterpret_cast<MainWindow*>(refData)->RouteCommand(ID_CMD_ADVANCED_SEARCH);
      } catch (...) {
      }
    }
    return 0;
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, ToggleKeyProc, kToggleKeySubclass);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

BOOL CALLBACK CatchToggleKey(HWND control, LPARAM owner) {
  SetWindowSubclass(control, ToggleKeyProc, kToggleKeySubclass, static_cast<DWORD_PTR>(owner));
  return TRUE;
}

template <size_t N>
void FillCombo(HWND combo, const char* const (&texts)[N]) {
  framework::ComboBox box(combo);
  box.Clear();
  for (const char* text : texts) box.Add(text);
}

}  // namespace

AdvancedSearchDialog::AdvancedSearchDialog(MainWindow& owner)
    : Dialog(IDD_ADVANCED_SEARCH), owner_(owner), family_(owner.Family()) {}

std::vector<SearchPreset>& AdvancedSearchDialog::Presets() const {
  return owner_.UserSettings().searchPresets;
}

bool AdvancedSearchDialog::OnInit() {
  FillCombo(Item(IDC_RATING_MODE), kRatingModes);
  FillCombo(Item(IDC_RATING_VALUE), kRatingValues);
  FillCombo(Item(IDC_DATE_FIELD), kDateFields);
  FillCombo(Item(IDC_DATE_COMPARISON), kDateComparisons);
  FillCombo(Item(IDC_STATUS_VALUE), kStatusTexts);
  SendMessageA(Item(IDC_DATE_DAYS), EM_LIMITTEXT, 5, 0);
  PlaceAtStoredCorner(hwnd_, owner_.UserSettings().windowPositions[family_][kWinPosSearch]);
  FillPresets();
  LoadPreset(0, true);
  EnumChildWindows(hwnd_, CatchToggleKey, reinterpret_cast<LPARAM>(&owner_));
  framework::EditBox(Item(IDC_SEARCH_FOR)).CatchSelectAllKey();
  return false;
}

void AdvancedSearchDialog::StorePosition() const {
  if (!shown_ || !hwnd_) return;
  owner_.UserSettings().windowPositions[family_][kWinPosSearch] = StoredRectOf(hwnd_);
}

void AdvancedSearchDialog::FillPresets() {
  framework::ComboBox box(Item(IDC_PRESET));
  box.Clear();
  for (const SearchPreset& preset : Presets()) box.Add(preset.name);
  if (selected_ >= box.Count()) selected_ = box.Count() - 1;
  if (selected_ < 0) selected_ = 0;
  box.Select(selected_);
  EnableItem(IDC_PRESET_REMOVE, selected_ >= kFixedPresets);
}

void AdvancedSearchDialog::LoadPreset(int n, bool withText) {
  const auto& presets = Presets();
  if (n < 0 || n >= static_cast<int>(presets.size())) return;
  options_ = FromStored(presets[static_cast<size_t>(n)].options, platform::Now());
  loading_ = true;
  if (withText) SetItemText(IDC_SEARCH_FOR, presets[static_cast<size_t>(n)].match);
  ShowOptions();
  loading_ = false;
}

void AdvancedSearchDialog::ShowOptions() {
  const SearchOptions& o = options_;
  for (const auto& box : kOptionBoxes) CheckButton(box.id, o.*box.option);
  framework::ComboBox(Item(IDC_RATING_MODE)).Select(o.ratingMode);
  framework::ComboBox(Item(IDC_RATING_VALUE)).Select(o.ratingValue - 1);
  framework::ComboBox(Item(IDC_DATE_FIELD)).Select(o.dateField);
  framework::ComboBox(Item(IDC_DATE_COMPARISON)).Select(o.dateMoreThan ? 1 : 0);
  SetDlgItemInt(hwnd_, IDC_DATE_DAYS, o.dateDays, FALSE);
  framework::ComboBox(Item(IDC_STATUS_VALUE)).Select(o.statusValue);
  int show = o.showHighlighted && o.showAsList ? IDC_SHOW_BOTH
             : o.showAsList                    ? IDC_SHOW_AS_LIST
                                               : IDC_SHOW_HIGHLIGHTED;
  CheckRadioButton(hwnd_, IDC_SHOW_HIGHLIGHTED, IDC_SHOW_BOTH, show);
}

void AdvancedSearchDialog::ReadOptions() {
  SearchOptions& o = options_;
  for (const auto& box : kOptionBoxes) o.*box.option = IsChecked(box.id);
  int mode = Combo(IDC_RATING_MODE), value = Combo(IDC_RATING_VALUE);
  o.ratingMode = static_cast<uint8_t>(mode < 0 ? 0 : mode);
  o.ratingValue = static_cast<uint8_t>(value < 0 ? 1 : value + 1);
  int field = Combo(IDC_DATE_FIELD);
  o.dateField = static_cast<uint8_t>(field < 0 ? 0 : field);
  o.dateMoreThan = Combo(IDC_DATE_COMPARISON) == 1;
  BOOL ok = FALSE;
  UINT days = GetDlgItemInt(hwnd_, IDC_DATE_DAYS, &ok, FALSE);
  o.dateDays = static_cast<uint16_t>(!ok ? 0 : days > 0xFFFF ? 0xFFFF : days);
  int status = Combo(IDC_STATUS_VALUE);
  o.statusValue = static_cast<uint8_t>(status < 0 ? 0 : status);
  o.showAsList = IsChecked(IDC_SHOW_AS_LIST) || IsChecked(IDC_SHOW_BOTH);
  o.showHighlighted = !IsChecked(IDC_SHOW_AS_LIST);
  RefreshDateThreshold(&o, platform::Now());
}

void AdvancedSearchDialog::StoreIntoPreset() {
  auto& presets = Presets();
  if (selected_ < 0 || selected_ >= static_cast<int>(presets.size())) return;
  SearchPreset& preset = presets[static_cast<size_t>(selected_)];
  preset.options = ToStored(options_);
  preset.match = Term();
}

void AdvancedSearchDialog::Changed() {
  if (loading_) return;
  ReadOptions();
  StoreIntoPreset();
  owner_.SearchInputChanged(true);
}

void AdvancedSearchDialog::SelectPreset(int n) {
  if (n == selected_ || n < 0) return;
  StoreIntoPreset();
  selected_ = n;
  EnableItem(IDC_PRESET_REMOVE, selected_ >= kFixedPresets);
  LoadPreset(n, true);
  owner_.SearchInputChanged(true);
}

void AdvancedSearchDialog::AddPreset() {
  NewPresetDialog ask;
  if (ask.Run(hwnd_) != IDOK || ask.name.empty()) return;
  ReadOptions();
  StoreIntoPreset();
  Presets().push_back(SearchPreset{ask.name, Term(), ToStored(options_)});
  selected_ = static_cast<int>(Presets().size()) - 1;
  FillPresets();
}

void AdvancedSearchDialog::RemovePreset() {
  auto& presets = Presets();
  if (selected_ < kFixedPresets || selected_ >= static_cast<int>(presets.size())) return;
  presets.erase(presets.begin() + selected_);
  // The one after takes the place; after the last, the one before.
  if (selected_ >= static_cast<int>(presets.size()))
    selected_ = static_cast<int>(presets.size()) - 1;
  FillPresets();
  LoadPreset(selected_, true);
}

void AdvancedSearchDialog::Open(const std::string& mainText) {
  selected_ = 0;
  FillPresets();
  LoadPreset(0, false);
  loading_ = true;
  SetItemText(IDC_SEARCH_FOR, mainText);
  loading_ = false;
  shown_ = true;
  Show(SW_SHOW);
  SetActiveWindow(hwnd_);
  FocusItem(IDC_SEARCH_FOR);
  SendMessageA(Item(IDC_SEARCH_FOR), EM_SETSEL, 0, -1);
}

void AdvancedSearchDialog::Hide() {
  StorePosition();
  Show(SW_HIDE);
  SetActiveWindow(owner_.Handle());
}

bool AdvancedSearchDialog::OnMessage(UINT msg, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR* result) {
  if (!AnswerHelpMessage(msg, hwnd_, DialogHelpContext(IDD_ADVANCED_SEARCH))) return false;
  *result = TRUE;
  return true;
}

void AdvancedSearchDialog::OnOK() {
  ReadOptions();
  StoreIntoPreset();
  MainWindow* main = &owner_;
  // A new search with these options, unless the results shown (or hidden)
  // are theirs already: those are hidden or shown again, as the main
  // window's Search button does.
  if (main->SearchState() == kSearchNone || main->SearchState() == kSearchPending ||
      !main->SearchHoldsResultsOf(options_, Term()))
    main->SetSearchState(kSearchPending, true);
  main->StartSearch(true, true, false);
}

bool AdvancedSearchDialog::OnCommand(int id, int code, HWND control) {
  if (!control) return Dialog::OnCommand(id, code, control);
  switch (id) {
    case IDC_PRESET:
      if (code == CBN_SELCHANGE) SelectPreset(Combo(IDC_PRESET));
      return true;
    case IDC_PRESET_ADD:
      if (code == BN_CLICKED) AddPreset();
      return true;
    case IDC_PRESET_REMOVE:
      if (code == BN_CLICKED) RemovePreset();
      return true;
    case IDC_SEARCH_FOR:
      if (code == EN_CHANGE) Changed();
      return true;
    case IDC_RATING_MODE:
    case IDC_RATING_VALUE:
    case IDC_DATE_FIELD:
    case IDC_DATE_COMPARISON:
    case IDC_STATUS_VALUE:
      if (code != CBN_SELCHANGE) return true;
      // Choosing a value of a filter turns the filter on.
      CheckButton(id == IDC_STATUS_VALUE                            ? IDC_STATUS_FILTER
                  : id == IDC_RATING_MODE || id == IDC_RATING_VALUE ? IDC_RATING_FILTER
                                                                    : IDC_DATE_FILTER,
                  true);
      Changed();
      return true;
    case IDC_DATE_DAYS:
      if (code != EN_CHANGE || loading_) return true;
      CheckButton(IDC_DATE_FILTER, true);
      Changed();
      return true;
    default:
      if (code == BN_CLICKED && id >= IDC_IN_TITLES && id <= IDC_SEARCH_ALL_LISTS) {
        Changed();
        return true;
      }
      return Dialog::OnCommand(id, code, control);
  }
}

// ---- The owner's side -------------------------------------------------------

void MainWindow::CreateAdvancedSearch() {
  DestroyAdvancedSearch();
  auto created = std::make_unique<AdvancedSearchDialog>(*this);
  if (created->Create(hwnd_)) advancedSearch_ = std::move(created);
}

void MainWindow::DestroyAdvancedSearch() {
  if (!advancedSearch_) return;
  advancedSearch_->StorePosition();
  advancedSearch_.reset();
}

void MainWindow::ShowAdvancedSearch(const std::string& mainSearchText) {
  if (!advancedSearch_) return;
  if (advancedSearch_->IsVisible())
    SetActiveWindow(advancedSearch_->Handle());
  else
    advancedSearch_->Open(mainSearchText);
}

void MainWindow::ToggleAdvancedSearch(const std::string& mainSearchText) {
  if (!advancedSearch_) return;
  // In front: the dialog is active, or the main window is, which the
  // dialog it owns always lies above. Hidden, the main window takes over.
  const HWND active = GetActiveWindow();
  if (advancedSearch_->IsVisible() && (active == advancedSearch_->Handle() || active == hwnd_)) {
    advancedSearch_->Hide();
    SetActiveWindow(hwnd_);
  } else {
    ShowAdvancedSearch(mainSearchText);
  }
}

bool MainWindow::AdvancedSearchVisible() const {
  return advancedSearch_ && advancedSearch_->IsVisible();
}

bool MainWindow::AdvancedSearchInput(SearchOptions* options, std::string* term) const {
  if (!advancedSearch_) return false;
  *options = advancedSearch_->Options();
  *term = advancedSearch_->Term();
  return true;
}
