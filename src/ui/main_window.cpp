#include "ui/main_window.h"

#include <windowsx.h>

#include "list/bookmark_list.h"
#include "resources/resource.h"
#include "ui/advanced_search_dialog.h"
#include "ui/bookmark_list_box.h"
#include "ui/checking_dialog.h"
#include "ui/command_table.h"
#include "ui/compact_window.h"
#include "ui/list_line_drawing.h"
#include "ui/list_view_dialog.h"
#include "ui/notes_window.h"
#include "ui/three_column_window.h"
#include "ui/tips_dialog.h"
#include "util/rect.h"
#include "view/line_data.h"

namespace {

// The common table with the mode family's keys added, as one table: the
// message loop translates one table for the main window.
HACCEL BuildAccelerators(int familyTable) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  std::vector<ACCEL> keys;
  for (int id : {familyTable, static_cast<int>(IDR_ACCELERATORS)}) {
    HACCEL table = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(id));
    if (!table) continue;
    int count = CopyAcceleratorTableA(table, nullptr, 0);
    size_t start = keys.size();
    keys.resize(start + static_cast<size_t>(count));
    CopyAcceleratorTableA(table, keys.data() + start, count);
  }
  return keys.empty() ? nullptr
                      : CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

}  // namespace

std::string MainWindowTitle(const std::string& listName) {
  return listName.empty() ? std::string("Vellox") : listName + " - Vellox";
}

std::unique_ptr<MainWindow> CreateMainWindow(int mode, const MainWindowContext& context, HWND owner,
                                             bool startMinimized, bool startHidden) {
  if (mode < kModeCompact || mode > kModeOrganize) mode = kModeRegular;
  std::unique_ptr<MainWindow> window;
  if (mode == kModeCompact)
    window = std::make_unique<CompactWindow>(context);
  else
    window = std::make_unique<ThreeColumnWindow>(mode, context);
  const Settings& settings = *context.settings;
  if (settings.HasBehaviour(kBehaviourCustomFont) && !settings.fontFace.empty() &&
      settings.fontSize >= 10)
    window->SetTemplateFont(settings.fontFace, static_cast<int>(settings.fontSize / 10));
  if (!window->Create(owner)) return nullptr;
  window->CreateAdvancedSearch();
  window->CreateListView();
  window->CreateCheckingDialog();
  window->CreateNotesWindow();
  window->CreateTips();
  if (settings.HasWindowFlag(window->Family(), kWindowKeepAtFront)) window->ApplyKeepAtFront();
  if (!startHidden) window->Show(startMinimized ? SW_SHOWMINNOACTIVE : SW_SHOW);
  window->RefreshDisplay();
  return window;
}

void DeleteMainWindow(std::unique_ptr<MainWindow> window) {
  if (!window) return;
  window->SaveWindowPositions();
  window->DestroyNotesWindow();
  window->DestroyAdvancedSearch();
  window->DestroyListView();
  window->DestroyCheckingDialog();
  window->DestroyTips();
}

MainWindow::MainWindow(int templateId, int mode, const MainWindowContext& context)
    : Dialog(templateId),
      mode_(mode),
      settings_(*context.settings),
      lists_(*context.lists),
      program_(*context.program),
      checks_(context.checks) {}

MainWindow::~MainWindow() {
  // The window goes first: its list boxes report to the columns, and the
  // message loop stops using the accelerators (OnDestroy).
  Destroy();
}

int MainWindow::Family() const { return mode_ == kModeCompact ? kFamilyCompact : kFamilyRegular; }

uint32_t MainWindow::LineDataAt(int level, int line) const {
  if (level < 0 || level > 2 || line < 0 || static_cast<size_t>(line) >= lineData_[level].size())
    return 0;
  return lineData_[level][static_cast<size_t>(line)];
}

bool MainWindow::OnInit() {
  columns_ = std::make_unique<ColumnControls>(this);
  Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(program_.LargeIcon()));
  Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(program_.SmallIcon()));
  // The template's size first, so that the stored rectangle moves the
  // controls with it (OnSize works from the change of size).
  RECT client = ClientRect();
  templateClient_ = client_ = {client.right, client.bottom};
  const Rect& stored = settings_.windowPositions[Family()][kWinPosMain];
  if (stored.right > stored.left && stored.bottom > stored.top)
    MoveWindow(hwnd_, stored.left, stored.top, stored.right - stored.left,
               stored.bottom - stored.top, FALSE);
  InstallAccelerators();
  ApplyFlatStyle();
  dropTarget_.Register(this);
  // The boxes measured their lines while they were made, before this
  // window could answer with its own font's height.
  const LPARAM lineHeight = static_cast<LPARAM>(ListLineHeight(hwnd_));
  for (int level = 0; level < 3; ++level)
    if (HWND box = Box(level)) SendMessageA(box, LB_SETITEMHEIGHT, 0, lineHeight);
  return true;
}

void MainWindow::InstallAccelerators() {
  accelerators_.Reset(
      BuildAccelerators(mode_ == kModeCompact ? IDR_ACCEL_COMPACT : IDR_ACCEL_THREE_COLUMN));
  program_.UseAccelerators(accelerators_.Get(), hwnd_);
}

void MainWindow::OnDestroy() {
  dropTarget_.Revoke();
  ReleaseFlatStyle();
  // The keys go back to the command window until the next main window.
  program_.UseAccelerators(nullptr, nullptr);
}

void MainWindow::SaveWindowPositions() {
  if (!hwnd_ || IsIconic(hwnd_)) return;
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(hwnd_, &placement)) return;
  const RECT& r = placement.rcNormalPosition;
  settings_.windowPositions[Family()][kWinPosMain] = Rect{r.left, r.top, r.right, r.bottom};
}

void MainWindow::RefreshDisplay() {
  // A read-only list (opened, switched to or reverted) is never organized.
  const ListSlots& lists = lists_;
  if (mode_ == kModeOrganize && lists.HasCurrent() && !lists.CurrentIsWritable())
    if (auto* three = dynamic_cast<ThreeColumnWindow*>(this)) three->SetOrganize(false);
  RebuildDynamicMenus();
  RefillColumns(-1, true);
  UpdateStatusLine();
  // Another list, or the same one read again: the table is built anew.
  RefreshListView();
  SearchListMayHaveChanged();
}

bool MainWindow::SaveIfChanged(bool exiting, bool askFirst, bool force) {
  // The save step of each open list, the current one first.
  ListSlots& lists = lists_;
  if (lists.currentList &&
      !lists.SaveListStep(*lists.currentList, lists.currentListIndex, exiting, askFirst, force))
    return false;
  if (lists.markHoldingList &&
      !lists.SaveListStep(*lists.markHoldingList, lists.markHoldingListIndex, exiting, askFirst,
                          force))
    return false;
  return true;
}

bool MainWindow::SaveBeforeLeavingLists(bool exiting) {
  return SaveIfChanged(exiting, settings_.HasBehaviour(kBehaviourAskBeforeSaving), false);
}

HWND MainWindow::Box(int level) const { return Item(IDC_CATEGORY_LIST + level); }

int MainWindow::LevelOfBox(int controlId) const {
  if (controlId < IDC_CATEGORY_LIST || controlId > IDC_BOOKMARK_LIST) return -1;
  return controlId - IDC_CATEGORY_LIST;
}

void MainWindow::ClearBox(int level) {
  lineData_[level].clear();
  if (HWND box = Box(level)) SendMessageA(box, LB_RESETCONTENT, 0, 0);
}

void MainWindow::FillBox(int level) {
  HWND box = Box(level);
  BookmarkList* list = List();
  // Lines of the same parent filled again (a key, an edit) keep the view
  // where the user had scrolled it; another parent's lines start at the top.
  uint16_t parent = list && level > 0 ? list->columns[level - 1].SelectedItem() : 0;
  bool sameLines = box && list && list == boxList_[level] && parent == boxParent_[level];
  LRESULT top = sameLines ? SendMessageA(box, LB_GETTOPINDEX, 0, 0) : 0;
  boxList_[level] = list;
  boxParent_[level] = parent;
  if (columns_ && box) columns_->BoxLinesChanged(box);
  ClearBox(level);
  if (!box || !list) return;
  const ListColumn& column = list->columns[level];
  SendMessageA(box, WM_SETREDRAW, FALSE, 0);
  for (uint16_t index : column.entries) {
    std::string text = LineText(*list, index);
    LRESULT line = SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (line < 0) break;
    SendMessageA(box, LB_SETITEMDATA, static_cast<WPARAM>(line), index);
    lineData_[level].push_back(ComputeLineData(*list, index, HighlightingMatches()));
  }
  SendMessageA(box, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  // The selection scrolls into view only when it lies outside it.
  SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(column.selected), 0);
  SendMessageA(box, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(box, nullptr, TRUE);
}

void MainWindow::OnColumnSelection(int level, int line) {
  BookmarkList* list = List();
  if (!list || line < 0 || line > list->columns[level].Last()) return;
  if (list->columns[level].selected == line) return;
  list->columns[level].selected = line;
  RefillColumns(level, false);
}

bool MainWindow::OnMeasureItem(MEASUREITEMSTRUCT* item) {
  if (item->CtlType != ODT_LISTBOX) return false;
  item->itemHeight = ListLineHeight(hwnd_);
  return true;
}

bool MainWindow::OnDrawItem(DRAWITEMSTRUCT* item) {
  if (item->CtlType == ODT_BUTTON) return DrawFlatButton(*item);
  if (item->CtlType != ODT_LISTBOX) return false;
  int level = LevelOfBox(static_cast<int>(item->CtlID));
  if (level < 0) return false;
  std::vector<uint32_t>& data = lineData_[level];
  uint32_t* lineData = item->itemID < data.size() ? &data[item->itemID] : nullptr;
  DrawListLine(*item, lineData, settings_);
  return true;
}

void MainWindow::PaintLines() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT r = ClientRect();
  const Settings& settings = settings_;
  bool flat = settings.HasBehaviour(kBehaviourFlatStyle);
  // Two lines under the menu bar: a shadow above a highlight.
  COLORREF upper = flat ? settings.colors[5] : GetSysColor(COLOR_BTNSHADOW);
  COLORREF lower = flat ? settings.colors[6] : GetSysColor(COLOR_BTNHIGHLIGHT);
  RECT line = {0, 0, r.right, 1};
  SetBkColor(dc, upper);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
  line = {0, 1, r.right, 2};
  SetBkColor(dc, lower);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
  EndPaint(hwnd_, &ps);
}

void MainWindow::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
    return;
  }
  if (IsIconic(hwnd_)) return;
  RefreshNotesWindow();
  // Typing starts a new search, except in Organize mode where the user
  // goes on where he was.
  if (mode_ == kModeOrganize && lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  HWND search = Item(IDC_SEARCH_TEXT);
  SetFocus(search);
  SendMessageA(search, EM_SETSEL, 0, -1);
}

bool MainWindow::OnSysCommand(WPARAM wp) {
  switch (wp & 0xFFF0) {
    case SC_MINIMIZE:
      OnMinimize();
      return true;
    case SC_RESTORE:
      if (program_.ProgramMinimized()) {
        program_.PostRestoreProgram();
        return true;
      }
      return false;
    default:
      return false;
  }
}

bool MainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) {
  if (columns_ && columns_->OnMainMessage(msg, wp, lp, result)) return true;
  switch (msg) {
    case WM_PAINT:
      PaintLines();
      *result = TRUE;
      return true;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnFlatColors(msg, wp, result);
    case WM_WINDOWPOSCHANGED:
      // A docked notes window follows the main window.
      if (!(reinterpret_cast<WINDOWPOS*>(lp)->flags & SWP_NOMOVE) ||
          !(reinterpret_cast<WINDOWPOS*>(lp)->flags & SWP_NOSIZE))
        RedockNotesWindow();
      return false;
    case WM_GETMINMAXINFO:
      if (templateClient_.cx == 0) return false;  // not laid out yet
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = MinWindowSize();
      PlaceMaximized(reinterpret_cast<MINMAXINFO*>(lp));
      *result = 0;
      return true;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wp) != WA_INACTIVE);
      *result = TRUE;
      return true;
    case WM_SYSCOMMAND:
      // A click on the close button minimizes when the user chose so; Alt+F4
      // (no mouse position) always ends the program.
      if ((wp & 0xFFF0) == SC_CLOSE) {
        if (lp != 0 && settings_.HasBehaviour(kBehaviourUseTray))
          OnMinimize();
        else
          RouteCommand(ID_CMD_APP_EXIT);
        *result = TRUE;
        return true;
      }
      if (OnSysCommand(wp)) {
        *result = TRUE;
        return true;
      }
      return false;
    case WM_CLOSE:
      RouteCommand(ID_CMD_APP_EXIT);
      *result = TRUE;
      return true;
    case WM_TIMER:
      // The typing pause of search-as-you-type ends in its command.
      if (wp != ID_CMD_DELAYED_SEARCH) return false;
      RouteCommand(ID_CMD_DELAYED_SEARCH);
      *result = 0;
      return true;
    case WM_SYSCOLORCHANGE:
      if (!settings_.HasBehaviour(kBehaviourFlatStyle))
        program_.PostProgramCommand(ID_CMD_MODE_COMPACT - kModeCompact + mode_);
      return false;
    case WM_HELP:
      OnHelpRequest(*reinterpret_cast<const HELPINFO*>(lp));
      *result = TRUE;
      return true;
    case WM_MENUSELECT:
      ShowMenuHelp(LOWORD(wp), HIWORD(wp), reinterpret_cast<HMENU>(lp));
      return false;
    case WM_INITMENUPOPUP:
      UpdateCommandState();
      FillOpenPagesMenu(reinterpret_cast<HMENU>(wp));
      return false;
    case WM_CONTEXTMENU: {
      // A column's line or blank area, or the window outside the controls.
      HWND clicked = reinterpret_cast<HWND>(wp);
      POINT at = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      int level = clicked == hwnd_ ? -1 : LevelOfBox(GetDlgCtrlID(clicked));
      if (level >= 0)
        ShowListContextMenu(level, at);
      else if (clicked == hwnd_)
        ShowBackgroundMenu(at);
      else if (clicked == Item(IDC_SEARCH))
        OnSearchButtonRightClick();
      else if (clicked == Item(IDC_OPEN))
        ShowOpenButtonMenu(at);
      else if (clicked == Item(IDC_FETCH))
        ShowFetchButtonMenu(at);
      else if (clicked == Item(IDC_LAST_VISIT))
        ShowVisitedMenu(at);
      else
        return false;
      *result = TRUE;
      return true;
    }
    case WM_SETCURSOR:
      ShowControlHelp(reinterpret_cast<HWND>(wp));
      return false;
    default:
      return false;
  }
}

bool MainWindow::OnCommand(int id, int code, HWND control) {
  // Notifications of the list boxes and edit boxes are not commands.
  if (control) {
    int level = LevelOfBox(id);
    if (level >= 0) {
      if (code == LBN_SELCHANGE)
        OnColumnSelection(level, static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0)));
      return true;
    }
    if (id == IDC_SEARCH_TEXT && code == EN_CHANGE) {
      SearchInputChanged(false);
      return true;
    }
    if (code != BN_CLICKED) return OnWindowCommand(id, code);
  }
  // Enter in the search box searches.
  if (id == IDOK && GetFocus() == Item(IDC_SEARCH_TEXT)) {
    search_.EnterPressed();
    id = ID_CMD_SEARCH;
  }
  // Enter in a title box of Organize mode commits a new item.
  if (id == IDOK && OnWindowCommand(IDOK, 0)) return true;
  if (id == IDOK || id == IDCANCEL) return true;
  RouteCommand(id);
  return true;
}

void MainWindow::RouteCommand(int id) {
  // What a command asked to show after itself comes once the outermost
  // command is over (the preferences after browser errors).
  AsOneCommand([&] { RouteOneCommand(id); });
}

void MainWindow::RouteOneCommand(int id) {
  // A command posted while a prompt or a save holds the lists (they would
  // be replaced under it) waits until that is over.
  if (ReplacesOpenLists(id) && program_.ListsInUse()) {
    program_.RunWhenIdle(id);
    return;
  }
  if (const CommandRow* row = FindCommand(id)) {
    if (row->handler && CommandEnabled(*row, *this)) (this->*(row->handler))(id);
    if (row->handler) return;
  }
  OnWindowCommand(id, 0);
}
