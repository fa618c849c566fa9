// The tables of the List View dialog: which items each of its eight views
// shows, the "Next group" walk, and the actions applied to checked rows.
// Rows are item indexes in outline order (a duplicate group's members stay
// together).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "list/bookmark_list.h"

// The entries of the dialog's "&Show" drop-down, in order.
enum ListViewEntry : int {
  kViewSearchResults = 0,
  kViewMarked,
  kViewAliases,
  kViewDuplicatesGrouped,
  kViewDuplicatesAll,
  kViewScheduled,
  kViewAll,
  kViewDeleted,
  kViewCount,
};

// The texts of the "&Show" entries.
const char* ViewEntryName(int entry);

// What the main window contributes to a view.
struct ListViewSource {
  uint16_t selectedBookmark = 0;    // the item selected in the bookmark column, or 0
  bool newBookmarkPending = false;  // a new bookmark is being typed (Organize mode)
  std::string pendingAddress;       // what its address box holds
  bool ignoreSmartFolders = false;  // the "All" view leaves SmartFolder entries out
  // Polled during the "Duplicates (all)" pass; returning true ends it.
  std::function<bool()> cancelled;
};

// The rows of a view. *wasCancelled (when given) tells whether the
// duplicates pass was cut short; the rows found so far are returned.
std::vector<uint16_t> BuildViewRows(BookmarkList& list, int entry, const ListViewSource& source,
                                    bool* wasCancelled = nullptr);

// A live, marked bookmark (separators not counted) exists.
bool HasMarkedBookmark(const BookmarkList& list);
// The entry shown when the dialog is refreshed without an explicit choice:
// "Marked" falls back to "Search results" when no bookmark is marked (unless
// results are to be shown again, search state 3); "Search results" turns
// into "Marked" while a search is pending (state 1) and bookmarks are marked.
int CorrectViewEntry(int entry, int searchState, bool bookmarksMarked);

// "&Next group" is offered for the aliases view, and for the grouped
// duplicates unless a new bookmark is pending.
bool ShowsNextGroup(int entry, bool newBookmarkPending);
// The bookmark that stands for the group after the one of current: in the
// grouped duplicates view the first member of the next group of bookmarks
// sharing an address, otherwise the next bookmark that has aliases outside
// the SmartFolders. Groups are ordered by their first member; 0 when no
// group follows.
uint16_t NextGroupItem(BookmarkList& list, int entry, uint16_t current);

// Makes index the selection of the columns along its path (the model's
// side of selecting an item in the main window).
void SelectItemInColumns(BookmarkList& list, uint16_t index);

// The actions of the action drop-down.
enum ListViewAction : int {
  kActionOpen = 0,
  kActionMark,
  kActionUnmark,
  kActionDelete,
  kActionUndelete,
  kActionConvertToAliases,
  kActionDeletePermanently,
};
const char* ActionName(int action);
// The actions offered by a view, in drop-down order (the first preselected).
std::vector<int> ViewActions(int entry);

// Applies a model action to the checked rows (in outline order): Mark and
// Unmark with contents and containers; Delete (without all instances,
// not extended to an emptied parent) and Undelete from the last row to the
// first; Delete permanently purges each row; Convert to aliases needs the
// same address on every row. Open is the window's. Returns whether the
// list changed.
bool ApplyViewAction(BookmarkList& list, int action, const std::vector<uint16_t>& checkedRows);

// Removes a deleted item and its subtree from the outline for good. False
// for a live item or one no longer in the outline.
bool PurgeItem(BookmarkList& list, uint16_t index);
