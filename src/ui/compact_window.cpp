#include "ui/compact_window.h"

#include "app/application.h"
#include "list/bookmark_list.h"
#include "list/line_data.h"
#include "resources/resource.h"
#include "ui/app_command_window.h"

namespace {

// Menu lines that fit on the screen: a long picker is broken into columns.
int MenuLinesPerColumn() {
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  int lineHeight = GetSystemMetrics(SM_CYMENUSIZE);
  int lines = lineHeight > 0 ? (work.bottom - work.top) / lineHeight : 0;
  return lines > 0 ? lines : 30;
}

std::string MenuText(const std::string& title) {
  std::string text;
  for (char c : title) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

}  // namespace

void CompactWindow::RefillColumns(int fromLevel, bool keepSelection) {
  BookmarkList* list = List();
  if (!list) {
    ClearBox(2);
    SetItemText(IDC_CATEGORY_TITLE, "");
    SetItemText(IDC_SUBCATEGORY_TITLE, "");
    UpdateCommandState();
    return;
  }
  int start = fromLevel < 0 ? 0 : fromLevel;
  for (int level = start; level < 3; ++level)
    if (level > fromLevel || list->columns[0].entries.empty())
      list->FillColumn(level, keepSelection ? list->columns[level].SelectedItem() : 0);
  for (int level = 0; level < 2; ++level) {
    uint16_t item = list->columns[level].SelectedItem();
    SetItemText(IDC_CATEGORY_TITLE + level, item ? LineText(*list, item) : std::string());
  }
  FillBox(2);
  UpdateCommandState();
  UpdateStatusLine();
}

bool CompactWindow::Pick(int level) {
  BookmarkList* list = List();
  if (!list) return false;
  const ListColumn& column = list->columns[level];
  HMENU menu = CreatePopupMenu();
  const int perColumn = MenuLinesPerColumn();
  for (size_t i = 0; i < column.entries.size(); ++i) {
    uint16_t item = column.entries[i];
    UINT flags = i > 0 && static_cast<int>(i) % perColumn == 0 ? MF_MENUBARBREAK : 0;
    if (list->TestFlags(item, kFlagSeparator)) {
      AppendMenuA(menu, flags | MF_SEPARATOR, 0, nullptr);
      continue;
    }
    AppendMenuA(menu, flags | MF_STRING, i + 1, MenuText(LineText(*list, item)).c_str());
  }
  if (column.selected >= 0)
    CheckMenuRadioItem(menu, 1, static_cast<UINT>(column.entries.size()), static_cast<UINT>(column.selected + 1),
                       MF_BYCOMMAND);
  RECT button = {};
  GetWindowRect(Item(level == 0 ? IDC_CATEGORY_PICKER : IDC_SUBCATEGORY_PICKER), &button);
  int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, button.right, button.top, 0,
                              hwnd_, nullptr);
  DestroyMenu(menu);
  if (chosen <= 0) return false;
  list->columns[level].selected = chosen - 1;
  RefillColumns(level, false);
  return true;
}

bool CompactWindow::OnWindowCommand(int id, int /*code*/) {
  BookmarkList* list = List();
  switch (id) {
    case ID_CMD_PICK_CATEGORY:
    case ID_CMD_FOCUS_CATEGORIES:
      // A new category has no subcategory chosen yet: ask for it at once.
      if (Pick(0) && List() && List()->columns[1].selected < 0) Pick(1);
      return true;
    case ID_CMD_PICK_SUBCATEGORY:
    case ID_CMD_FOCUS_SUBCATEGORIES:
      if (Pick(1) && list && list->columns[2].selected < 0 && !list->columns[2].entries.empty()) {
        list->columns[2].selected = 0;
        RefillColumns(2, true);
      }
      return true;
    case ID_CMD_FOCUS_BOOKMARKS:
      FocusItem(IDC_BOOKMARK_LIST);
      return true;
    case ID_CMD_NEW_BOOKMARK:
      // New bookmarks are typed in Organize mode.
      if (App().commandWindow) App().commandWindow->PostCommand(ID_CMD_MODE_ORGANIZE);
      return true;
    case ID_CMD_MODE_REGULAR:
    case ID_CMD_MODE_ORGANIZE:
      if (App().commandWindow) App().commandWindow->PostCommand(id);
      return true;
    default:
      return false;
  }
}
