#include "ui/notes_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "exchange/item_time.h"
#include "framework/child_layout.h"
#include "framework/controls.h"
#include "list/bookmark_list.h"
#include "list/due_visit.h"
#include "list/encryption.h"
#include "list/item_codec.h"
#include "list/site_status.h"
#include "resources/resource.h"
#include "ui/main_window.h"
#include "util/screen_win.h"
#include "view/notes_docking.h"

namespace {

// The tabs: 20 pixels high, with 15 x 4 pixels of padding round the text.
constexpr int kTabHeight = 20;
constexpr int kTabPaddingX = 15;
constexpr int kTabPaddingY = 4;
constexpr int kMargin = 2;
// The colour table's entries the tabs use.
constexpr int kColorBackground = 0;
constexpr int kColorText = 4;
constexpr int kColorDarkened = 5;

const char* const kPageNames[] = {"Notes && login", "Tags etc."};
const int kPageTemplates[] = {IDD_NOTES_PAGE_LOGIN, IDD_NOTES_PAGE_TAGS};

const char* const kRatings[] = {"", "1 *", "2 **", "3 ***", "4 ****", "5 *****"};

// Shown in the password box for a stored password while it is not being
// edited.
constexpr char kPasswordMask[] = "********";

// Controls whose tip is the string-table text of their own id.
constexpr int kTippedControls[] = {IDC_QUICKLOGIN, IDC_PASSWORD_LOCK, IDC_SITE_STATUS,
                                   IDC_RATING,     IDC_KEYWORDS,      IDC_BROWSER_CHOICE,
                                   IDC_LAST_VISIT, IDC_SCHEDULE};
// The date fields: the date shown, the exact time in the tip. The last
// visit keeps its help text as its tip.
constexpr int kDateFields[] = {IDC_PREVIOUS_VISIT, IDC_NEXT_VISIT, IDC_TIME_ADDED,
                               IDC_TIME_MODIFIED, IDC_TIME_CHECKED};

// The boxes that take up a change of the page's size; the controls that
// widen with it and those that follow its right edge. Everything under the
// big box moves with its bottom edge.
bool IsBigBox(int id) { return id == IDC_NOTE_TEXT || id == IDC_KEYWORDS; }
bool Widens(int id) {
  switch (id) {
    case IDC_LOGIN:
    case IDC_PASSWORD:
    case IDC_SITE_STATUS:
    case IDC_BROWSER_CHOICE:
    case IDC_LAST_VISIT:
    case IDC_PREVIOUS_VISIT:
    case IDC_NEXT_VISIT:
    case IDC_VISITS:
    case IDC_TIME_ADDED:
    case IDC_TIME_MODIFIED:
    case IDC_TIME_CHECKED:
      return true;
    default:
      return false;
  }
}
bool FollowsRightEdge(int id) {
  return id == IDC_QUICKLOGIN || id == IDC_PASSWORD_LOCK || id == IDC_SCHEDULE;
}

std::string TableText(int id) {
  char text[512] = {};
  int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), text, sizeof text);
  return length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string();
}

// The width of a tab: the longer page name in the tabs' font, with the
// padding on either side.
int TabWidth(HWND tabs) {
  HDC dc = GetDC(tabs);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(tabs, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (const char* name : kPageNames) {
    RECT r = {0, 0, 0, 0};
    DrawTextA(dc, name, -1, &r, DT_CALCRECT | DT_SINGLELINE);
    if (r.right > widest) widest = r.right;
  }
  SelectObject(dc, old);
  ReleaseDC(tabs, dc);
  return widest + 2 * kTabPaddingX;
}

struct PageLayout {
  HWND page;
  int dw, dh;
  int bigBottom;  // the big box's bottom before the change
};

BOOL CALLBACK LayOutChild(HWND child, LPARAM param) {
  const PageLayout& layout = *reinterpret_cast<const PageLayout*>(param);
  if (GetParent(child) != layout.page) return TRUE;
  const int id = GetDlgCtrlID(child);
  RECT r = framework::ChildRect(layout.page, child);
  int dx = 0, dy = 0, grow = 0, growDown = 0;
  if (IsBigBox(id)) {
    grow = layout.dw;
    growDown = layout.dh;
  } else {
    if (r.top >= layout.bigBottom) dy = layout.dh;
    if (Widens(id)) grow = layout.dw;
    if (FollowsRightEdge(id)) dx = layout.dw;
  }
  int width = r.right - r.left + grow;
  int height = r.bottom - r.top + growDown;
  if (width < 1) width = 1;
  if (height < 1) height = 1;
  MoveWindow(child, r.left + dx, r.top + dy, width, height, FALSE);
  return TRUE;
}

}  // namespace

// ---- The pages -------------------------------------------------------------

bool NotesPage::OnInit() {
  RECT r = ClientRect();
  templateClient = client = {r.right, r.bottom};
  return false;
}

bool NotesPage::OnCommand(int id, int code, HWND control) {
  if (owner_.OnPageCommand(id, code, control)) return true;
  return Dialog::OnCommand(id, code, control);
}

void NotesPage::OnCancel() { owner_.Send(WM_COMMAND, IDCANCEL, 0); }

void NotesPage::OnSize(int type, int width, int height) {
  if (type == SIZE_MINIMIZED || client.cx == 0) return;
  HWND big = Item(TemplateId() == IDD_NOTES_PAGE_LOGIN ? IDC_NOTE_TEXT : IDC_KEYWORDS);
  PageLayout layout = {hwnd_, width - client.cx, height - client.cy,
                       big ? framework::ChildRect(hwnd_, big).bottom : 0};
  if (layout.dw == 0 && layout.dh == 0) return;
  client = {width, height};
  EnumChildWindows(hwnd_, LayOutChild, reinterpret_cast<LPARAM>(&layout));
  Invalidate();
}

bool NotesPage::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) {
  if (msg != WM_CONTEXTMENU) return false;
  POINT at = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  owner_.OnPageContextMenu(reinterpret_cast<HWND>(wp), at);
  *result = TRUE;
  return true;
}

// ---- The window ------------------------------------------------------------

NotesWindow::NotesWindow(MainWindow& owner)
    : Dialog(IDD_NOTES_WINDOW), owner_(owner), family_(owner.Family()) {}

NotesWindow::~NotesWindow() {
  // The pages are children: they go with the window, before their objects.
  Destroy();
}

bool NotesWindow::OnInit() {
  HWND tabs = Tabs();
  TabCtrl_SetPadding(tabs, kTabPaddingX, kTabPaddingY);
  // Owner-drawn tabs all take the size given here: the longer name fits.
  TabCtrl_SetItemSize(tabs, TabWidth(tabs), kTabHeight);
  for (int page = 0; page < 2; ++page) {
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(kPageNames[page]);
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&tab));
  }
  CreatePages();
  framework::ComboBox rating(Field(IDC_RATING));
  for (const char* text : kRatings) rating.Add(text);
  AddToolTips();
  if (HWND note = Field(IDC_NOTE_TEXT)) {
    SetWindowSubclass(note, &NotesWindow::NoteBoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  const Rect& stored = owner_.UserSettings().windowPositions[family_][kWinPosNotes];
  if (stored.right > stored.left && stored.bottom > stored.top) {
    RECT r = {stored.left, stored.top, stored.right, stored.bottom};
    KeepRectOnScreen(&r, stored.right - stored.left, stored.bottom - stored.top);
    MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    placed_ = true;
  }
  PlacePages();
  ShowPage(0);
  Fill();
  return false;
}

void NotesWindow::CreatePages() {
  for (int page = 0; page < 2; ++page) {
    auto created = std::make_unique<NotesPage>(kPageTemplates[page], *this);
    if (created->Create(hwnd_)) pages_[static_cast<size_t>(page)] = std::move(created);
  }
}

HWND NotesWindow::Field(int id) const {
  for (const auto& page : pages_)
    if (page && page->Handle())
      if (HWND item = page->Item(id)) return item;
  return nullptr;
}

void NotesWindow::ShowPage(int page) {
  TabCtrl_SetCurSel(Tabs(), page);
  for (int i = 0; i < 2; ++i)
    if (pages_[static_cast<size_t>(i)])
      pages_[static_cast<size_t>(i)]->Show(i == page ? SW_SHOW : SW_HIDE);
}

void NotesWindow::PlacePages() {
  RECT client = ClientRect();
  RECT tabRect = {kMargin, kMargin, client.right - kMargin, client.bottom - kMargin};
  if (tabRect.right <= tabRect.left || tabRect.bottom <= tabRect.top) return;
  HWND tabs = Tabs();
  MoveWindow(tabs, tabRect.left, tabRect.top, tabRect.right - tabRect.left,
             tabRect.bottom - tabRect.top, TRUE);
  RECT display = tabRect;
  TabCtrl_AdjustRect(tabs, FALSE, &display);
  for (const auto& page : pages_)
    if (page) page->Move(display);
}

void NotesWindow::OnSize(int type, int /*width*/, int /*height*/) {
  if (type != SIZE_MINIMIZED) PlacePages();
}

void NotesWindow::AddToolTips() {
  toolTip_.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                 GetModuleHandleA(nullptr), nullptr));
  if (!toolTip_.IsValid()) return;
  SendMessageA(toolTip_.Get(), TTM_SETMAXTIPWIDTH, 0, 400);
  auto add = [this](int id, const std::string& text) {
    HWND control = Field(id);
    if (!control) return;
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(toolTip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  };
  for (int id : kTippedControls) add(id, TableText(id));
  for (int id : kDateFields) add(id, std::string());
  add(IDC_PASSWORD, std::string());
  SendMessageA(toolTip_.Get(), TTM_ACTIVATE, TRUE, 0);
}

void NotesWindow::SetTip(int id, const std::string& text) {
  HWND control = Field(id);
  if (!toolTip_.IsValid() || !control) return;
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(toolTip_.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT NotesWindow::OnNotify(NMHDR* header) {
  if (header->hwndFrom == Tabs() && header->code == TCN_SELCHANGE)
    ShowPage(TabCtrl_GetCurSel(Tabs()));
  return 0;
}

bool NotesWindow::OnDrawItem(DRAWITEMSTRUCT* item) {
  if (item->CtlType != ODT_TAB) return false;
  const Settings& settings = owner_.UserSettings();
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  HDC dc = item->hDC;
  COLORREF back = settings.colors[selected ? kColorBackground : kColorDarkened];
  SetBkColor(dc, back);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &item->rcItem, nullptr, 0, nullptr);
  SetTextColor(dc, settings.colors[kColorText]);
  SetBkMode(dc, TRANSPARENT);
  const int page = static_cast<int>(item->itemID);
  if (page >= 0 && page < 2) {
    RECT r = item->rcItem;
    DrawTextA(dc, kPageNames[page], -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  return true;
}

bool NotesWindow::OnCommand(int id, int code, HWND control) {
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return OnPageCommand(id, code, control);
}

void NotesWindow::OnCancel() {
  // Esc goes back to the main window, as Alt+F5 does from here.
  SetForegroundWindow(owner_.Handle());
}

bool NotesWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) {
  switch (msg) {
    case WM_CLOSE:
      // The close box is F5: the window goes and stays closed.
      owner_.ToggleNotesWindow();
      *result = TRUE;
      return true;
    case WM_CONTEXTMENU:
      OnPageContextMenu(reinterpret_cast<HWND>(wp), {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      *result = TRUE;
      return true;
    case WM_ACTIVATE:
      // The fields may have changed elsewhere while the window was behind.
      if (LOWORD(wp) != WA_INACTIVE && !filling_) Fill();
      return false;
    default:
      return false;
  }
}

// ---- Visibility and place ---------------------------------------------------

uint16_t NotesWindow::SelectedBookmark() const {
  BookmarkList* list = owner_.List();
  if (!list) return 0;
  const uint16_t item = list->columns[kLevelBookmark].SelectedItem();
  return item && list->TestFlags(item, kFlagBookmark) && !list->TestFlags(item, kFlagSeparator)
             ? item
             : 0;
}

void NotesWindow::Refresh(bool autoHide) {
  if (!hwnd_) return;
  // Filled even without a list: nothing of a list that has gone stays on
  // show.
  Fill();
  BookmarkList* list = owner_.List();
  if (!list) return;
  HWND main = owner_.Handle();
  // A minimized main window takes its owned windows off the screen and
  // brings them back itself.
  if (IsIconic(main)) return;
  bool show = false;
  if (IsWindowVisible(main) && owner_.UserSettings().HasWindowFlag(family_, kWindowNotesOpen)) {
    show = true;
    if (autoHide) {
      const uint16_t item = SelectedBookmark();
      show = item && (list->TestFlags(item, kFlagHasNotes) || list->TestFlags(item, kFlagHasLogin));
    }
  }
  ShowQuietly(show);
}

void NotesWindow::ShowQuietly(bool show) {
  if (!hwnd_ || show == IsVisible()) return;
  // Shown for the first time, it takes its docked place (when docking is
  // on) rather than where it stood last.
  if (show && !shownBefore_) {
    shownBefore_ = true;
    Dock();
  }
  ShowWindow(hwnd_, show ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void NotesWindow::Dock() {
  const int mode = owner_.UserSettings().DockMode();
  if (!hwnd_ || (mode != kDockSide && mode != kDockBelow)) return;
  HWND main = owner_.Handle();
  if (IsIconic(main)) return;
  RECT m = {}, mine = WindowRect();
  GetWindowRect(main, &m);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  RECT work = {};
  if (GetMonitorInfoA(MonitorFromWindow(main, MONITOR_DEFAULTTONULL), &monitor))
    work = monitor.rcWork;
  else
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const DockResult place = DockNotesWindow(mode, Rect{m.left, m.top, m.right, m.bottom},
                                           Rect{work.left, work.top, work.right, work.bottom},
                                           mine.right - mine.left, mine.bottom - mine.top);
  SetWindowPos(hwnd_, nullptr, place.left, place.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  placed_ = true;
}

void NotesWindow::StoreRect() {
  if (!hwnd_ || !placed_) return;
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(hwnd_, &placement)) return;
  const RECT& r = placement.rcNormalPosition;
  owner_.UserSettings().windowPositions[family_][kWinPosNotes] =
      Rect{r.left, r.top, r.right, r.bottom};
}

void NotesWindow::FocusField(int id) {
  HWND field = Field(id);
  if (!field) return;
  ShowPage(id == IDC_KEYWORDS ? 1 : 0);
  SetForegroundWindow(hwnd_);
  SetFocus(field);
}

// ---- Filling ------------------------------------------------------------------

void NotesWindow::Fill() {
  if (!hwnd_) return;
  filling_ = true;
  BookmarkList* list = owner_.List();
  shown_ = SelectedBookmark();
  if (!list || !shown_) {
    ClearFields();
  } else {
    BookmarkItem record;
    list->DecodeInto(shown_, true, &record);
    FillBookmark(*list, record);
  }
  filling_ = false;
}

void NotesWindow::ClearFields() {
  SetText("Notes");
  for (int id : {IDC_NOTE_TEXT, IDC_LOGIN, IDC_PASSWORD, IDC_SITE_STATUS, IDC_KEYWORDS,
                 IDC_LAST_VISIT, IDC_PREVIOUS_VISIT, IDC_NEXT_VISIT, IDC_VISITS, IDC_TIME_ADDED,
                 IDC_TIME_MODIFIED, IDC_TIME_CHECKED}) {
    SetWindowTextA(Field(id), "");
    EnableWindow(Field(id), FALSE);
  }
  for (int id : {IDC_RATING, IDC_BROWSER_CHOICE}) {
    framework::ComboBox(Field(id)).Select(-1);
    EnableWindow(Field(id), FALSE);
  }
  for (int id : {IDC_QUICKLOGIN, IDC_PASSWORD_LOCK, IDC_SCHEDULE}) EnableWindow(Field(id), FALSE);
  for (int id : kDateFields) SetTip(id, std::string());
  SetTip(IDC_PASSWORD, std::string());
}

void NotesWindow::FillDate(int id, uint32_t time) {
  SetWindowTextA(Field(id), FormatItemTime(time, kDateShort).c_str());
  SetTip(id, FormatItemTime(time, kTimeLong));
}

void NotesWindow::FillBookmark(BookmarkList& list, const BookmarkItem& record) {
  const bool writable = !list.readOnly;
  SetText(record.title);
  for (int id :
       {IDC_NOTE_TEXT, IDC_LOGIN, IDC_PASSWORD, IDC_SITE_STATUS, IDC_KEYWORDS, IDC_LAST_VISIT,
        IDC_PREVIOUS_VISIT, IDC_NEXT_VISIT, IDC_VISITS, IDC_TIME_ADDED, IDC_TIME_MODIFIED,
        IDC_TIME_CHECKED, IDC_RATING, IDC_BROWSER_CHOICE, IDC_QUICKLOGIN, IDC_PASSWORD_LOCK})
    EnableWindow(Field(id), TRUE);
  EnableWindow(Field(IDC_SCHEDULE), writable);
  for (int id : {IDC_NOTE_TEXT, IDC_LOGIN, IDC_KEYWORDS})
    framework::EditBox(Field(id)).SetReadOnly(!writable);
  framework::EditBox(Field(IDC_PASSWORD)).SetReadOnly(!writable);
  // The box being typed in keeps its text: the refill after its own edit
  // must not move the caret.
  auto fillText = [this](int id, const std::string& text) {
    HWND box = Field(id);
    if (GetFocus() == box && framework::WindowRef(box).Text() == text) return;
    SetWindowTextA(box, text.c_str());
  };
  fillText(IDC_NOTE_TEXT, DecodeNoteText(record.notes));
  fillText(IDC_LOGIN, record.login);
  fillText(IDC_KEYWORDS, DecodeNoteText(record.keywords));
  UpdateLockButton(list);
  const bool locked = (list.encryptionOptions & kEncryptSitePasswords) && list.keyState != 2;
  EnableWindow(Field(IDC_PASSWORD), !locked);
  ShowPasswordBox(!locked && GetFocus() == Field(IDC_PASSWORD));

  std::string status = SiteStatusText(record.siteStatus);
  if (record.siteStatus == kSiteUpdated && record.dateSiteUpdated)
    status += " " + FormatItemTime(record.dateSiteUpdated, kDateShort);
  SetWindowTextA(Field(IDC_SITE_STATUS), status.c_str());
  framework::ComboBox(Field(IDC_RATING)).Select(record.rating <= 5 ? record.rating : 0);

  framework::ComboBox browsers(Field(IDC_BROWSER_CHOICE));
  browsers.Clear();
  const Settings& settings = owner_.UserSettings();
  browsers.Add("Default browser");
  int chosen = 0;
  for (size_t i = 0; i < settings.browsers.size(); ++i) {
    browsers.Add(settings.browsers[i].name);
    if (chosen == 0 && !record.browser.empty() &&
        lstrcmpiA(settings.browsers[i].ddeService.c_str(), record.browser.c_str()) == 0)
      chosen = static_cast<int>(i) + 1;
  }
  browsers.Select(chosen);

  // The last visit's tip tells its right-click as well as the exact time.
  FillDate(IDC_LAST_VISIT, record.timeLastVisit);
  const std::string exact = FormatItemTime(record.timeLastVisit, kTimeLong);
  SetTip(IDC_LAST_VISIT,
         exact.empty() ? TableText(IDC_LAST_VISIT) : exact + "\r\n" + TableText(IDC_LAST_VISIT));
  FillDate(IDC_PREVIOUS_VISIT, record.timePreviousVisit);
  const int64_t due = DueTimeFromWallClock(record.timeDueVisit);
  FillDate(IDC_NEXT_VISIT, static_cast<uint32_t>(due > 0 ? due : 0));
  SetWindowTextA(Field(IDC_VISITS), std::to_string(record.visits).c_str());
  FillDate(IDC_TIME_ADDED, record.timeAdded);
  FillDate(IDC_TIME_MODIFIED, record.timeModified);
  FillDate(IDC_TIME_CHECKED, record.timeSiteChecked);
}

void NotesWindow::ShowPasswordBox(bool plain) {
  BookmarkList* list = owner_.List();
  if (!list || !shown_) return;
  BookmarkItem record;
  list->DecodeInto(shown_, true, &record);
  std::string text;
  if (!record.password.empty()) text = plain ? GetSitePassword(*list, record) : kPasswordMask;
  const bool wasFilling = filling_;
  filling_ = true;
  SetWindowTextA(Field(IDC_PASSWORD), text.c_str());
  filling_ = wasFilling;
}

void NotesWindow::UpdateLockButton(const BookmarkList& list) {
  const char* caption = "Encrypt";
  if (list.encryptionOptions & kEncryptSitePasswords)
    caption = list.keyState == 2 ? "Lock" : "Unlock";
  SetWindowTextA(Field(IDC_PASSWORD_LOCK), caption);
}

// ---- Editing --------------------------------------------------------------------

void NotesWindow::StoreField(int id) {
  BookmarkList* list = owner_.List();
  if (filling_ || !list || list->readOnly || !shown_ || shown_ != SelectedBookmark()) return;
  BookmarkItem record;
  list->DecodeInto(shown_, true, &record);
  const std::string text = framework::WindowRef(Field(id)).Text();
  switch (id) {
    case IDC_NOTE_TEXT:
      record.notes = EncodeNoteText(text);
      break;
    case IDC_KEYWORDS:
      record.keywords = EncodeNoteText(text);
      break;
    case IDC_LOGIN:
      record.login = text;
      break;
    case IDC_PASSWORD:
      // Only what is typed while the plain password shows is a password.
      if (GetFocus() != Field(IDC_PASSWORD)) return;
      if (!SetSitePassword(*list, record, text)) return;
      break;
    case IDC_RATING: {
      const int rating = framework::ComboBox(Field(IDC_RATING)).Selection();
      record.rating = static_cast<uint8_t>(rating > 0 && rating <= 5 ? rating : 0);
      break;
    }
    case IDC_BROWSER_CHOICE: {
      const int choice = framework::ComboBox(Field(IDC_BROWSER_CHOICE)).Selection() - 1;
      const Settings& settings = owner_.UserSettings();
      record.browser = choice >= 0 && choice < static_cast<int>(settings.browsers.size())
                           ? settings.browsers[static_cast<size_t>(choice)].ddeService
                           : std::string();
      break;
    }
    default:
      return;
  }
  record.timeModified = list->Now();
  if (list->Encode(record) != 0) return;
  filling_ = true;
  FillDate(IDC_TIME_MODIFIED, record.timeModified);
  filling_ = false;
  owner_.NotesEdited();
}

bool NotesWindow::OnPageCommand(int id, int code, HWND control) {
  if (!control) return false;
  switch (id) {
    case IDC_NOTE_TEXT:
    case IDC_LOGIN:
    case IDC_KEYWORDS:
      if (code == EN_CHANGE) StoreField(id);
      return true;
    case IDC_PASSWORD:
      if (code == EN_CHANGE) {
        StoreField(id);
      } else if (code == EN_SETFOCUS) {
        ShowPasswordBox(true);
      } else if (code == EN_KILLFOCUS) {
        ShowPasswordBox(false);
        BookmarkList* list = owner_.List();
        if (list && shown_) {
          BookmarkItem record;
          list->DecodeInto(shown_, true, &record);
          SetTip(IDC_PASSWORD,
                 record.password.empty() ? std::string() : GetSitePassword(*list, record));
        }
      }
      return true;
    case IDC_RATING:
    case IDC_BROWSER_CHOICE:
      if (code == CBN_SELCHANGE) StoreField(id);
      return true;
    case IDC_QUICKLOGIN:
      if (code == BN_CLICKED) owner_.RouteCommand(ID_CMD_FILL_LOGIN_FORM);
      return true;
    case IDC_PASSWORD_LOCK:
      if (code == BN_CLICKED) OnLockButton();
      return true;
    case IDC_SCHEDULE:
      if (code == BN_CLICKED) owner_.RouteCommand(ID_CMD_SCHEDULE_VISIT);
      return true;
    default:
      return false;
  }
}
