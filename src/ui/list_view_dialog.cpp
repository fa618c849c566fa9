#include "ui/list_view_dialog.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/child_layout.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "list/bookmark_list.h"
#include "list/list_edit.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "ui/help_topics.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/three_column_window.h"
#include "view/list_view_columns.h"

namespace {

constexpr int kMinWidth = 422;
constexpr int kMinHeight = 250;

// Controls that stay under the table and move with its bottom edge; those
// of the second group also follow the right edge.
constexpr int kBelowTable[] = {IDC_VIEW_SHOW_LABEL, IDC_VIEW_SHOW,         IDC_VIEW_NEXT_GROUP,
                               IDC_VIEW_ALL,        IDC_VIEW_IGNORE_SMART, IDC_VIEW_ACTION,
                               IDC_VIEW_DO};
constexpr int kBottomRight[] = {IDC_VIEW_HELP, IDCANCEL};

// The entry shown by F9 and after a mode switch: it outlives the dialog.
int lastEntry = kViewSearchResults;

bool RowChecked(HWND table, int row) {
  UINT state = static_cast<UINT>(ListView_GetItemState(table, row, LVIS_STATEIMAGEMASK));
  return (state >> 12) == 2;
}

using framework::ShiftChild;

// Esc ends the long duplicates pass; the keys typed meanwhile are dropped.
bool EscapePressed() {
  MSG msg;
  bool escape = (GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0;
  if (!escape && PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) &&
      msg.wParam == VK_ESCAPE)
    escape = true;
  if (escape)
    while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
  return escape;
}

}  // namespace

ListViewDialog::ListViewDialog(MainWindow& owner)
    : Dialog(IDD_LIST_VIEW), owner_(owner), family_(owner.Family()) {}

bool ListViewDialog::OnInit() {
  RECT r = ClientRect();
  client_ = {r.right, r.bottom};
  HWND table = Table();
  ListView_SetExtendedListViewStyle(
      table, LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES | LVS_EX_HEADERDRAGDROP | LVS_EX_LABELTIP);
  framework::ComboBox show(Item(IDC_VIEW_SHOW));
  for (int entry = 0; entry < kViewCount; ++entry) show.Add(ViewEntryName(entry));
  AddColumns();
  const Rect& stored = owner_.UserSettings().windowPositions[family_][kWinPosListView];
  if (stored.right > stored.left && stored.bottom > stored.top) {
    MoveWindow(hwnd_, stored.left, stored.top, stored.right - stored.left,
               stored.bottom - stored.top, FALSE);
    placed_ = true;
  }
  entry_ = lastEntry;
  return true;
}

void ListViewDialog::AddColumns() {
  columns_ = ViewColumnsOf(owner_.UserSettings());
  framework::ListViewControl table(Table());
  for (size_t i = 0; i < columns_.size(); ++i)
    table.AddColumn(static_cast<int>(i), ViewColumnTitle(columns_[i].number), columns_[i].width);
}

void ListViewDialog::StoreState() {
  if (!hwnd_) return;
  Settings& settings = owner_.UserSettings();
  if (placed_) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (GetWindowPlacement(hwnd_, &placement)) {
      const RECT& r = placement.rcNormalPosition;
      settings.windowPositions[family_][kWinPosListView] = Rect{r.left, r.top, r.right, r.bottom};
    }
  }
  // The columns in the order the user dragged them into, with their widths.
  int count = static_cast<int>(columns_.size());
  if (count == 0) return;
  std::vector<int> order(static_cast<size_t>(count));
  if (!ListView_GetColumnOrderArray(Table(), count, order.data())) return;
  std::vector<ViewColumn> shown;
  for (int index : order) {
    if (index < 0 || index >= count) return;
    shown.push_back(
        {columns_[static_cast<size_t>(index)].number, ListView_GetColumnWidth(Table(), index)});
  }
  StoreViewColumns(shown, &settings);
}

void ListViewDialog::PlaceFirstTime() {
  if (placed_) return;
  placed_ = true;
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (!owner) return;
  RECT main = {}, mine = WindowRect();
  GetWindowRect(owner, &main);
  int width = mine.right - mine.left, height = mine.bottom - mine.top;
  if (width < kMinWidth) width = kMinWidth;
  if (height < kMinHeight) height = kMinHeight;
  int left = main.left + ((main.right - main.left) - width) / 2;
  int top = main.top + ((main.bottom - main.top) - height) / 2;
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  if (left + width > work.right) left = work.right - width;
  if (top + height > work.bottom) top = work.bottom - height;
  if (left < work.left) left = work.left;
  if (top < work.top) top = work.top;
  MoveWindow(hwnd_, left, top, width, height, FALSE);
}

ListViewSource ListViewDialog::Source() const {
  ListViewSource source;
  BookmarkList* list = owner_.List();
  if (list) source.selectedBookmark = list->columns[2].SelectedItem();
  if (auto* window = dynamic_cast<ThreeColumnWindow*>(&owner_)) {
    source.newBookmarkPending = window->NewBookmarkPending();
    if (source.newBookmarkPending) source.pendingAddress = window->ItemText(IDC_ADDRESS);
  }
  source.ignoreSmartFolders = IsChecked(IDC_VIEW_IGNORE_SMART);
  source.cancelled = EscapePressed;
  return source;
}

void ListViewDialog::Rebuild(int entry) {
  BookmarkList* list = owner_.List();
  if (entry < 0) {
    int searchState = owner_.SearchState();
    entry = CorrectViewEntry(entry_, searchState, list && HasMarkedBookmark(*list));
  }
  entry_ = lastEntry = entry;
  framework::ComboBox(Item(IDC_VIEW_SHOW)).Select(entry_);
  bool pending = Source().newBookmarkPending;
  ShowItem(IDC_VIEW_NEXT_GROUP, ShowsNextGroup(entry_, pending));
  ShowItem(IDC_VIEW_IGNORE_SMART, entry_ == kViewAll);
  CheckButton(IDC_VIEW_ALL, false);
  FillActions();
  FillTable();
}

void ListViewDialog::FillActions() {
  framework::ComboBox actions(Item(IDC_VIEW_ACTION));
  actions.Clear();
  for (int action : ViewActions(entry_)) {
    int at = actions.Add(ActionName(action));
    actions.SetData(at, action);
  }
  actions.Select(0);
}

void ListViewDialog::FillTable() {
  HWND table = Table();
  framework::ListViewControl view(table);
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
  filling_ = true;
  SendMessageA(table, WM_SETREDRAW, FALSE, 0);
  view.Clear();
  rows_.clear();
  BookmarkList* list = owner_.List();
  shownList_ = list;
  shownPath_ = list ? list->path : std::string();
  if (list) {
    rows_ = BuildViewRows(*list, entry_, Source());
    const uint32_t now = platform::Now();
    int at = 0;
    for (uint16_t item : rows_) {
      int row = view.AddItem(
          at++,
          columns_.empty() ? std::string() : ViewCellText(*list, item, columns_[0].number, now),
          item);
      for (size_t c = 1; c < columns_.size(); ++c)
        view.SetItemText(row, static_cast<int>(c),
                         ViewCellText(*list, item, columns_[c].number, now));
    }
    SelectRowOf(DeepestSelection(*list));
  }
  SendMessageA(table, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(table, nullptr, TRUE);
  filling_ = false;
  SetCursor(previous);
  UpdateDoButton();
}

bool ListViewDialog::ShowsCurrentList() const {
  const BookmarkList* list = owner_.List();
  return list == shownList_ && (!list || list->path == shownPath_);
}

int ListViewDialog::ChosenAction() const {
  framework::ComboBox actions(Item(IDC_VIEW_ACTION));
  int chosen = actions.Selection();
  return chosen < 0 ? -1 : static_cast<int>(actions.Data(chosen));
}

void ListViewDialog::UpdateDoButton() {
  int action = ChosenAction();
  bool allowed = action == kActionOpen || (action >= 0 && owner_.Lists().CurrentIsWritable());
  EnableItem(IDC_VIEW_DO, !rows_.empty() && allowed);
}

void ListViewDialog::SelectRowOf(uint16_t item) {
  HWND table = Table();
  ListView_SetItemState(table, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (item == 0) return;
  for (size_t row = 0; row < rows_.size(); ++row) {
    if (rows_[row] != item) continue;
    ListView_SetItemState(table, static_cast<int>(row), LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(table, static_cast<int>(row), FALSE);
    return;
  }
}

std::vector<uint16_t> ListViewDialog::CheckedRows() const {
  std::vector<uint16_t> checked;
  HWND table = Table();
  int count = ListView_GetItemCount(table);
  for (int row = 0; row < count && row < static_cast<int>(rows_.size()); ++row)
    if (RowChecked(table, row)) checked.push_back(rows_[static_cast<size_t>(row)]);
  return checked;
}

void ListViewDialog::CheckAll(bool checked) {
  ListView_SetItemState(Table(), -1, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

void ListViewDialog::SelectInMainWindow(uint16_t item) {
  BookmarkList* list = owner_.List();
  if (!list || item == 0) return;
  SelectItemInColumns(*list, item);
  owner_.RefillColumns(-1, true);
}

void ListViewDialog::OpenRows(const std::vector<uint16_t>& rows) {
  // Each bookmark is selected in turn and opened as the Open button does,
  // until the browser cannot be reached.
  owner_.AsOneCommand([&] {
    for (uint16_t item : rows) {
      BookmarkList* list = owner_.List();
      if (!list || list->IsDeleted(item)) continue;
      SelectInMainWindow(item);
      owner_.RouteCommand(ID_CMD_OPEN_SELECTED);
      if (owner_.BrowserUnreachable()) return;
    }
  });
}

void ListViewDialog::OnDo() {
  BookmarkList* list = owner_.List();
  if (!list) return;
  if (!ShowsCurrentList()) {
    Rebuild(entry_);
    return;
  }
  int action = ChosenAction();
  if (action < 0) return;
  std::vector<uint16_t> checked = CheckedRows();
  if (checked.empty()) return;
  if (action == kActionOpen) {
    OpenRows(checked);
  } else if (owner_.Lists().CurrentIsWritable()) {
    ApplyViewAction(*list, action, checked);
    // After deleting, the first row still shown becomes the selection;
    // after undeleting, the first item brought back.
    uint16_t select = 0;
    if (action == kActionDelete) {
      for (uint16_t item : BuildViewRows(*list, entry_, Source()))
        if (!list->IsDeleted(item)) {
          select = item;
          break;
        }
    } else if (action == kActionUndelete) {
      for (uint16_t item : checked)
        if (!list->IsDeleted(item)) {
          select = item;
          break;
        }
    }
    if (select != 0) SelectItemInColumns(*list, select);
    owner_.RefillColumns(-1, true);
  }
  Rebuild(entry_);
  owner_.UpdateCommandState();
}

void ListViewDialog::OnNextGroup() {
  BookmarkList* list = owner_.List();
  if (!list) return;
  uint16_t next = NextGroupItem(*list, entry_, list->columns[2].SelectedItem());
  if (next == 0) {
    MessageBeep(MB_OK);
    return;
  }
  SelectInMainWindow(next);
  Rebuild(entry_);
}

void ListViewDialog::ShowOn(int entry, bool correct) {
  if (!owner_.List()) return;
  PlaceFirstTime();
  if (!IsVisible()) Show(SW_SHOW);
  Rebuild(correct ? -1 : entry);
  SetForegroundWindow(hwnd_);
}

void ListViewDialog::Toggle() {
  if (IsVisible()) {
    Show(SW_HIDE);
    return;
  }
  entry_ = lastEntry;
  ShowOn(lastEntry, true);
}

void ListViewDialog::SelectionChanged(uint16_t item) {
  if (!IsVisible() || filling_) return;
  // These two views are built around the selected bookmark.
  if (entry_ == kViewAliases || entry_ == kViewDuplicatesGrouped || !ShowsCurrentList()) {
    Rebuild(entry_);
    return;
  }
  SelectRowOf(item);
}

bool ListViewDialog::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_VIEW_SHOW:
      if (code == CBN_SELCHANGE) {
        int entry = framework::ComboBox(control).Selection();
        if (entry >= 0) Rebuild(entry);
      }
      return true;
    case IDC_VIEW_ACTION:
      if (code == CBN_SELCHANGE) UpdateDoButton();
      return true;
    case IDC_VIEW_NEXT_GROUP:
      OnNextGroup();
      return true;
    case IDC_VIEW_ALL:
      CheckAll(IsChecked(IDC_VIEW_ALL));
      return true;
    case IDC_VIEW_IGNORE_SMART:
      Rebuild(entry_);
      return true;
    case IDC_VIEW_DO:
      OnDo();
      return true;
    case IDC_VIEW_HELP:
      ShowHelpTopic(hwnd_, DialogHelpContext(IDD_LIST_VIEW));
      return true;
    default:
      return Dialog::OnCommand(id, code, control);
  }
}

LRESULT ListViewDialog::OnNotify(NMHDR* header) {
  // A double-click on a row shows its item in the main window.
  if (header->idFrom == IDC_VIEW_TABLE && header->code == NM_DBLCLK) {
    auto* activate = reinterpret_cast<NMITEMACTIVATE*>(header);
    if (activate->iItem >= 0 && activate->iItem < static_cast<int>(rows_.size())) {
      filling_ = true;
      SelectInMainWindow(rows_[static_cast<size_t>(activate->iItem)]);
      filling_ = false;
    }
  }
  return 0;
}

void ListViewDialog::OnSize(int type, int width, int height) {
  if (type == SIZE_MINIMIZED || client_.cx == 0) return;
  int dw = width - client_.cx;
  int dh = height - client_.cy;
  client_ = {width, height};
  if (dw == 0 && dh == 0) return;
  ShiftChild(hwnd_, IDC_VIEW_TABLE, 0, 0, dw, dh);
  for (int id : kBelowTable) ShiftChild(hwnd_, id, 0, dh, 0, 0);
  for (int id : kBottomRight) ShiftChild(hwnd_, id, dw, dh, 0, 0);
  Invalidate();
}

bool ListViewDialog::OnMessage(UINT msg, WPARAM /*wp*/, LPARAM lp, INT_PTR* result) {
  if (AnswerHelpMessage(msg, hwnd_, DialogHelpContext(IDD_LIST_VIEW))) {
    *result = TRUE;
    return true;
  }
  if (msg != WM_GETMINMAXINFO) return false;
  auto* info = reinterpret_cast<MINMAXINFO*>(lp);
  info->ptMinTrackSize.x = kMinWidth;
  info->ptMinTrackSize.y = kMinHeight;
  *result = 0;
  return true;
}

// ---- The owner's side -------------------------------------------------------

void MainWindow::CreateListView() {
  DestroyListView();
  auto created = std::make_unique<ListViewDialog>(*this);
  if (created->Create(hwnd_)) listView_ = std::move(created);
}

void MainWindow::DestroyListView() {
  if (!listView_) return;
  listView_->StoreState();
  listView_.reset();
}

void MainWindow::RefreshListView() {
  if (listView_ && listView_->IsVisible()) listView_->Rebuild(-1);
}

void MainWindow::ShowListView(int entry) {
  if (listView_ && entry >= 0 && entry < kViewCount) listView_->ShowOn(entry, false);
}

void MainWindow::ToggleListView() {
  if (listView_) listView_->Toggle();
}

void MainWindow::ListViewSelectionChanged(uint16_t item) {
  if (listView_) listView_->SelectionChanged(item);
}

HWND MainWindow::ListViewWindow() const { return listView_ ? listView_->Handle() : nullptr; }
