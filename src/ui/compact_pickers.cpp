// The category and subcategory pickers of Compact mode: pop-up menus with
// one entry per item of the level, opened at the picker button.
#include <string>

#include "framework/scoped_handle.h"
#include "list/bookmark_list.h"
#include "resources/resource.h"
#include "ui/compact_window.h"
#include "util/menu_text.h"
#include "view/line_data.h"

namespace {

// Menu lines that fit on the screen: a long picker is broken into
// columns of this many entries.
int MenuLinesPerColumn() {
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  int lineHeight = GetSystemMetrics(SM_CYMENU);
  int lines = lineHeight > 0 ? (work.bottom - work.top) / lineHeight : 0;
  return lines > 0 ? lines : 30;
}

}  // namespace

HMENU CompactWindow::BuildPicker(int level) const {
  BookmarkList* list = List();
  HMENU menu = CreatePopupMenu();
  if (!list || !menu) return menu;
  const ListColumn& column = list->columns[level];
  const int perColumn = MenuLinesPerColumn();
  const bool greyNonMatches = HighlightingMatches();
  for (size_t i = 0; i < column.entries.size(); ++i) {
    uint16_t item = column.entries[i];
    UINT flags = i > 0 && static_cast<int>(i) % perColumn == 0 ? MF_MENUBARBREAK : 0;
    if (list->TestFlags(item, kFlagSeparator)) {
      AppendMenuA(menu, flags | MF_SEPARATOR, 0, nullptr);
      continue;
    }
    if (greyNonMatches && !(list->Link(item).flags & kFlagSearchMatch)) flags |= MF_GRAYED;
    AppendMenuA(menu, flags | MF_STRING, i + 1, MenuEscaped(LineText(*list, item)).c_str());
  }
  if (column.selected >= 0)
    CheckMenuRadioItem(menu, 1, static_cast<UINT>(column.entries.size()),
                       static_cast<UINT>(column.selected + 1), MF_BYCOMMAND);
  return menu;
}

bool CompactWindow::Pick(int level) {
  BookmarkList* list = List();
  if (!list) return false;
  framework::ScopedMenu menu(BuildPicker(level));
  if (!menu.IsValid()) return false;
  // The menu opens at the button's top-right corner.
  RECT button = {};
  GetWindowRect(Item(level == 0 ? IDC_CATEGORY_PICKER : IDC_SUBCATEGORY_PICKER), &button);
  int chosen =
      TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
                     button.right, button.top, 0, hwnd_, nullptr);
  if (chosen <= 0 || chosen > static_cast<int>(list->columns[level].entries.size())) return false;
  list->columns[level].selected = chosen - 1;
  RefillColumns(level, false);
  return true;
}

void CompactWindow::PickCategory() {
  // A new category has no subcategory chosen yet: ask for it at once.
  if (Pick(0) && List() && List()->columns[1].selected < 0) PickSubcategory();
}

void CompactWindow::PickSubcategory() {
  if (!Pick(1)) return;
  BookmarkList* list = List();
  if (list && list->columns[2].selected < 0 && !list->columns[2].entries.empty()) {
    list->columns[2].selected = 0;
    RefillColumns(2, true);
  }
}
