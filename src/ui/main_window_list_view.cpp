// The commands that open the List View dialog.
#include "resources/resource.h"
#include "ui/list_view_dialog.h"
#include "ui/main_window.h"

void MainWindow::OnToggleListView(int /*id*/) { ToggleListView(); }

void MainWindow::OnShowListViewEntry(int id) {
  switch (id) {
    case ID_CMD_UNDELETE_ITEMS:
      ShowListView(kViewDeleted);
      break;
    case ID_CMD_MANAGE_DUPLICATES:
      ShowListView(kViewDuplicatesAll);
      break;
    case ID_CMD_SHOW_ALIASES:
      ShowListView(kViewAliases);
      break;
    default:
      break;
  }
}
