// Bookmarks dragged out of the main window, and the last-visited text that
// follows the selected bookmark. Drops on the window are the drop target's
// (link_drop_target.cpp), which posts ID_CMD_ADD_DROPPED_LINK to the modes'
// windows.
#include "list/bookmark_list.h"
#include "list/visits.h"
#include "resources/resource.h"
#include "ui/link_drag_source.h"
#include "ui/link_drop_target.h"
#include "ui/main_window.h"
#include "util/relative_time.h"

void MainWindow::DragBookmarkOut(uint16_t item) {
  BookmarkList* list = List();
  if (!list || !item || !list->TestFlags(item, kFlagBookmark) ||
      list->TestFlags(item, kFlagSeparator))
    return;
  BookmarkItem record;
  list->DecodeInto(item, true, &record);
  if (record.url.empty()) return;
  SetDraggingOut(true);
  const DWORD effect = DragLinkOut(record.url, record.title);
  SetDraggingOut(false);
  // Taken as a link: a browser opened it, which counts as a visit. The
  // list may have gone while the drag ran.
  if (effect != DROPEFFECT_LINK || List() != list || list->IsDeleted(item)) return;
  RecordVisit(*list, item);
  AfterEdit();
  UpdateStatusLine();
  if (settings_.HasBehaviour(kBehaviourAutoMinimize)) OnMinimize();
}

void MainWindow::UpdateVisitedText(uint16_t bookmark) {
  BookmarkList* list = List();
  std::string text;
  if (list && bookmark) {
    BookmarkItem record;
    list->DecodeInto(bookmark, true, &record);
    text = RelativeTimeText(record.timeLastVisit);
  }
  if (ItemText(IDC_LAST_VISIT) != text) SetItemText(IDC_LAST_VISIT, text);
}
