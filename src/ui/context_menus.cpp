// The right-click menus of the main window: a column's line or blank area
// (menu 102, trimmed and relabelled for the click), the window background
// (menu 104), and the message-line help of the control under the mouse.
#include <string>
#include <vector>

#include "framework/menu_tidy.h"
#include "framework/scoped_handle.h"
#include "list/bookmark_list.h"
#include "list/list_edit.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "ui/browser_menus.h"
#include "ui/command_table.h"
#include "ui/dynamic_menus.h"
#include "ui/main_window.h"
#include "view/marked_menus.h"

namespace {

// The popup that holds command id, searched one level deep.
int PopupPositionHolding(HMENU menu, int id) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
    if (HMENU sub = GetSubMenu(menu, i))
      if (GetMenuItemID(sub, 0) == static_cast<UINT>(id)) return i;
  return -1;
}

void RemoveCommand(HMENU menu, int id) {
  if (id == ID_CMD_COPY_URL) {
    int position = PopupPositionHolding(menu, id);
    if (position >= 0) DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return;
  }
  DeleteMenu(menu, static_cast<UINT>(id), MF_BYCOMMAND);
}

void Relabel(HMENU menu, int id, int newId, const std::string& text) {
  ModifyMenuA(menu, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(newId),
              text.c_str());
}

// "Open &with" becomes one entry per browser (9300 + n).
void MakeOpenWithSubmenu(HMENU menu, const std::vector<std::string>& browsers) {
  HMENU sub = CreatePopupMenu();
  for (size_t n = 0; n < browsers.size() && n < 100; ++n)
    AppendMenuA(sub, MF_STRING, ID_CMD_OPEN_WITH_BASE + n, browsers[n].c_str());
  ModifyMenuA(menu, ID_CMD_OPEN_WITH_BASE, MF_BYCOMMAND | MF_POPUP | MF_STRING,
              reinterpret_cast<UINT_PTR>(sub), "Open &with");
}

int TrackAt(HMENU menu, HWND owner, POINT screen) {
  return TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y,
                        0, owner, nullptr);
}

}  // namespace

void ApplyContextMenuPlan(HMENU menu, const ContextMenuPlan& plan, int moveId, int aliasId,
                          const std::vector<std::string>& browserNames) {
  for (int id : plan.removed) RemoveCommand(menu, id);
  if (!plan.markText.empty()) Relabel(menu, ID_CMD_TOGGLE_MARK, plan.markCommand, plan.markText);
  if (moveId) {
    Relabel(menu, ID_CMD_MOVE_MARKED_HERE, moveId, plan.moveText);
    Relabel(menu, ID_CMD_ALIAS_MARKED_HERE, aliasId, plan.aliasText);
  }
  if (plan.openWithSubmenu) MakeOpenWithSubmenu(menu, browserNames);
  framework::TidySeparators(menu);
}

void MainWindow::ShowListContextMenu(int level, POINT screen) {
  BookmarkList* list = List();
  HWND box = Box(level);
  if (!list || !box) return;
  // The line under the mouse (a click from the keyboard takes the
  // selection) becomes the selection.
  int line = -1;
  if (screen.x == -1 && screen.y == -1) {
    line = list->columns[level].selected;
    RECT r = {};
    GetWindowRect(box, &r);
    screen = {r.left + 8, r.top + 8};
  } else {
    POINT client = screen;
    ScreenToClient(box, &client);
    LRESULT hit = SendMessageA(box, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (HIWORD(hit) == 0 && static_cast<int>(LOWORD(hit)) <= list->columns[level].Last())
      line = LOWORD(hit);
  }
  SetFocus(box);
  const bool blank = line < 0;
  if (!blank && list->columns[level].selected != line) {
    SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    OnColumnSelection(level, line);
  }

  ListSlots& lists = lists_;
  BookmarkList* holding = lists.markHoldingList.get();
  ContextMenuFacts facts;
  facts.level = level;
  facts.blank = blank;
  facts.readOnly = !lists.CurrentIsWritable();
  facts.anyMarks = HasMarkedItems(*list);
  facts.browserCount = static_cast<int>(settings_.browsers.size());
  const BookmarkList* source = MarkSource(*list, holding);
  facts.marksFromOtherList = source != nullptr && source != list;
  facts.canInsertHere =
      CanInsertMarkedAt(*list, holding, level) && (blank || source->markedCount[level] > 0);
  if (!blank) {
    uint16_t item = list->columns[level].SelectedItem();
    facts.separator = list->TestFlags(item, kFlagSeparator);
    facts.smartFolder = IsSmartContainer(*list, item);
    facts.itemMarked = (list->Link(item).flags & kFlagMarked) != 0;
    facts.canInsertInside = level < 2 && CanInsertMarkedAt(*list, holding, level + 1);
    if (level == kLevelBookmark && !facts.separator) {
      BookmarkItem record;
      list->DecodeInto(item, true, &record);
      facts.webAddress = IsWebAddress(record.url);
      DWORD attributes = GetFileAttributesA(record.url.c_str());
      facts.fileExists = !facts.webAddress && attributes != INVALID_FILE_ATTRIBUTES;
      facts.folderTarget = facts.fileExists && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
  }
  const ContextMenuPlan plan = PlanListContextMenu(facts);
  const MarkedMenus marked = BuildMarkedMenus(*list, holding);

  framework::ScopedMenu resource(
      LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_LIST_CONTEXT_MENU)));
  HMENU menu = resource.Get() ? GetSubMenu(resource.Get(), 0) : nullptr;
  if (!menu) return;
  const int moveId = plan.transferLevel >= 0 ? marked.moveBase + plan.transferLevel : 0;
  const int aliasId = plan.transferLevel >= 0 ? marked.aliasBase + plan.transferLevel : 0;
  std::vector<std::string> browsers;
  for (const auto& browser : settings_.browsers) browsers.push_back(browser.name);
  ApplyContextMenuPlan(menu, plan, moveId, aliasId, browsers);
  if (GetMenuItemCount(menu) == 0) return;
  // Commands that cannot run (or are not part of the program yet) show
  // greyed.
  GreyDisabledEntries(menu, [this](int id) {
    const CommandRow* row = FindCommand(id);
    return row && CommandEnabled(*row, *this);
  });
  UpdateCommandState();
  int chosen = TrackAt(menu, hwnd_, screen);
  if (chosen <= 0) return;
  // A blank area means "at the end of the column"; "in here" on a line
  // means at the end of its children.
  if (blank) {
    list->columns[level].selected = -1;
    for (int below = level + 1; below < 3; ++below) list->FillColumn(below, 0);
  } else if ((chosen == moveId || chosen == aliasId) && plan.insideClicked) {
    list->columns[level + 1].selected = -1;
  }
  RouteCommand(chosen);
}

void MainWindow::ShowBackgroundMenu(POINT screen) {
  framework::ScopedMenu resource(
      LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_BACKGROUND_MENU)));
  HMENU menu = resource.Get() ? GetSubMenu(resource.Get(), 0) : nullptr;
  if (!menu) return;
  const Settings& settings = settings_;
  EnableMenuItem(menu, static_cast<UINT>(ID_CMD_MODE_COMPACT - kModeCompact + mode_),
                 MF_BYCOMMAND | MF_GRAYED);
  auto check = [&](int id, bool on) {
    CheckMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
  };
  check(ID_CMD_KEEP_AT_FRONT, settings.HasWindowFlag(Family(), kWindowKeepAtFront));
  check(ID_CMD_AUTO_MINIMIZE, settings.HasBehaviour(kBehaviourAutoMinimize));
  check(ID_CMD_ONE_CLICK_OPEN, settings.HasBehaviour(kBehaviourOneClickOpen));
  check(ID_CMD_AUTO_OPEN, settings.HasBehaviour(kBehaviourAutoOpenUnique));
  if (screen.x == -1 && screen.y == -1) {
    RECT r = {};
    GetWindowRect(hwnd_, &r);
    screen = {r.left + 16, r.top + 16};
  }
  int chosen = TrackAt(menu, hwnd_, screen);
  if (chosen > 0) RouteCommand(chosen);
}

void MainWindow::ShowControlHelp(HWND control) {
  if (!settings_.HasBehaviour(kBehaviourMenuHelp)) return;
  if (control == helpControl_) return;
  helpControl_ = control;
  int id = control && control != hwnd_ && IsChild(hwnd_, control) ? GetDlgCtrlID(control) : 0;
  // Related controls share one text.
  if (id >= IDC_NEW_CATEGORY && id <= IDC_NEW_BOOKMARK)
    id = (GetKeyState(VK_SHIFT) & 0x8000) ? IDC_NEW_CATEGORY : IDS_HELP_NEW_ITEM;
  else if (id >= ID_CMD_DELETE_CATEGORY && id <= ID_CMD_DELETE_BOOKMARK)
    id = ID_CMD_DELETE_SELECTED;
  else if (id >= ID_CMD_SORT_CATEGORIES && id <= ID_CMD_SORT_BOOKMARKS)
    id = ID_CMD_SORT_FOCUSED;
  // The column hints are for Organize and Compact; Regular shows none.
  if (LevelOfBox(id) >= 0 && mode_ == kModeRegular) id = 0;
  std::string text = id > 0 ? platform::StringResource(id) : std::string();
  if (text.empty())
    UpdateStatusLine();
  else
    SetItemText(IDC_STATUS_LINE, text);
}
