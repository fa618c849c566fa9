#include "ui/command_table.h"

#include "resources/resource.h"
#include "ui/main_window.h"

namespace {

using R = CommandRule;
using M = MainWindow;

// Commands handled by the window classes themselves (mode switches, the
// column focus keys, the New buttons and the pickers) are not listed.
const CommandRow kRows[] = {
    {ID_CMD_LIST_BASE, ID_CMD_LIST_BASE + 99, &M::OnSwitchList, R::kAlways},
    {ID_CMD_FILE_OPEN, ID_CMD_FILE_OPEN, &M::OnOpenOrCreate, R::kAlways},
    // Into a new list even while the open one is read-only.
    {ID_CMD_IMPORT, ID_CMD_IMPORT, &M::OnImport, R::kAlways},
    {ID_CMD_REVERT, ID_CMD_REVERT, &M::OnRevert, R::kList},
    {ID_CMD_FILE_SAVE, ID_CMD_FILE_SAVE, &M::OnSave, R::kWritableList},
    {ID_CMD_SAVE_COPY, ID_CMD_SAVE_COPY, &M::OnSaveCopy, R::kList},
    {ID_CMD_EXPORT, ID_CMD_EXPORT, &M::OnExport, R::kList},
    {ID_CMD_PURGE_DELETED, ID_CMD_PURGE_DELETED, &M::OnPurgeDeleted, R::kWritableList},
    {ID_CMD_ENCRYPTION_OPTIONS, ID_CMD_ENCRYPTION_OPTIONS, &M::OnEncryptionOptions,
     R::kWritableList},
    {ID_CMD_CONFIGURE_LISTS, ID_CMD_CONFIGURE_LISTS, &M::OnPreferences, R::kAlways},
    {ID_CMD_APP_EXIT, ID_CMD_APP_EXIT, &M::OnExit, R::kAlways},
    {ID_CMD_SEARCH, ID_CMD_SEARCH, &M::OnSearch, R::kList},
    {ID_CMD_FIND_NEXT, ID_CMD_FIND_PREVIOUS, &M::OnFindNext, R::kList},
    {ID_CMD_ADVANCED_SEARCH, ID_CMD_ADVANCED_SEARCH, &M::OnAdvancedSearch, R::kList},
    {ID_CMD_DELAYED_SEARCH, ID_CMD_DELAYED_SEARCH, &M::OnDelayedSearch, R::kAlways},
    {ID_CMD_FETCH, ID_CMD_FETCH, &M::OnFetch, R::kWritableList},
    {ID_CMD_FILL_LOGIN_FORM, ID_CMD_FILL_LOGIN_FORM, &M::OnFillLoginForm, R::kList},
    {ID_CMD_MARK_CATEGORY, ID_CMD_MARK_BOOKMARK, &M::OnToggleMarkLevel, R::kList},
    {ID_CMD_MARK_FOUND, ID_CMD_MARK_FOUND, &M::OnMarkFound, R::kSearchResults},
    {ID_CMD_MOVE_MARKED_HERE, ID_CMD_MOVE_MARKED_BOOKMARK, &M::OnTransferMarked, R::kMarks},
    {ID_CMD_MOVE_FROM_LIST_CATEGORY, ID_CMD_MOVE_FROM_LIST_BOOKMARK, &M::OnTransferMarked,
     R::kTwoLists},
    {ID_CMD_ALIAS_MARKED_HERE, ID_CMD_ALIAS_MARKED_BOOKMARK, &M::OnTransferMarked, R::kMarks},
    {ID_CMD_DUPLICATE_MARKED_CATEGORY, ID_CMD_DUPLICATE_MARKED_BOOKMARK, &M::OnTransferMarked,
     R::kTwoLists},
    {ID_CMD_CLEAR_MARKS, ID_CMD_CLEAR_MARKS, &M::OnClearMarks, R::kAnyMarks},
    {ID_CMD_OPEN_MARKED, ID_CMD_OPEN_MARKED, &M::OnOpenMarked, R::kAnyMarks},
    {ID_CMD_COPY_MARKED_URLS, ID_CMD_COPY_MARKED_HTML_TABLE, &M::OnCopyMarked, R::kMarks},
    {ID_CMD_DELETE_MARKED, ID_CMD_DELETE_MARKED, &M::OnDeleteMarked, R::kMarks},
    {ID_CMD_SORT_ALL, ID_CMD_SORT_BOOKMARKS, &M::OnSort, R::kWritableList},
    {ID_CMD_SORT_ALL_BOOKMARKS, ID_CMD_SORT_ALL_BOOKMARKS, &M::OnSort, R::kWritableList},
    {ID_CMD_INSERT_SEPARATOR, ID_CMD_SEPARATOR_BOOKMARK, &M::OnSeparator, R::kWritableList},
    {ID_CMD_TOGGLE_BOLD, ID_CMD_BOLD_BOOKMARK, &M::OnBold, R::kWritableList},
    {ID_CMD_CHECK_SELECTED, ID_CMD_CHECK_BOOKMARK, &M::OnCheckStatus, R::kWritableList},
    {ID_CMD_MANAGE_DUPLICATES, ID_CMD_MANAGE_DUPLICATES, &M::OnShowListViewEntry, R::kWritableList},
    {ID_CMD_UNDELETE_ITEMS, ID_CMD_UNDELETE_ITEMS, &M::OnShowListViewEntry, R::kWritableList},
    {ID_CMD_OPEN_BLANK_TAB, ID_CMD_OPEN_BLANK_TAB, &M::OnOpenBlankTab, R::kAlways},
    {ID_CMD_OPEN_NEW_BOOKMARK, ID_CMD_OPEN_NEW_BOOKMARK, &M::OnOpenTypedAddress, R::kAlways},
    {ID_CMD_SET_DEFAULT_BROWSER, ID_CMD_SET_DEFAULT_BROWSER, nullptr, R::kAlways},
    {ID_CMD_CONFIGURE_BROWSERS, ID_CMD_CONFIGURE_BROWSERS, &M::OnPreferences, R::kAlways},
    {ID_CMD_MINIMIZE, ID_CMD_MINIMIZE, &M::OnMinimize, R::kAlways},
    {ID_CMD_TOGGLE_LIST_VIEW, ID_CMD_TOGGLE_LIST_VIEW, &M::OnToggleListView, R::kList},
    {ID_CMD_TOGGLE_NOTES, ID_CMD_TOGGLE_NOTES, &M::OnToggleNotes, R::kList},
    {ID_CMD_EDIT_NOTE, ID_CMD_EDIT_NOTE, &M::OnEditNote, R::kList},
    {ID_CMD_PREFERENCES, ID_CMD_PREFERENCES, &M::OnPreferences, R::kAlways},
    {ID_CMD_HELP_CONTENTS, ID_CMD_HELP_CONTENTS, &M::OnHelpContents, R::kAlways},
    {ID_CMD_HELP_ADD_BOOKMARK, ID_CMD_HELP_QUICKLOGIN, &M::OnHelpTopic, R::kAlways},
    {ID_CMD_TIPS, ID_CMD_TIPS, &M::OnShowTips, R::kAlways},
    {ID_CMD_WEB_SITE, ID_CMD_ONLINE_SUPPORT, &M::OnWebPage, R::kAlways},
    {ID_CMD_ABOUT, ID_CMD_ABOUT, &M::OnAbout, R::kAlways},
    {ID_CMD_OPEN_NEW_TAB, ID_CMD_OPEN_FRONTMOST_TAB, &M::OnOpenSelected, R::kList},
    {ID_CMD_OPEN_SELECTED, ID_CMD_OPEN_SELECTED, &M::OnOpenSelected, R::kList},
    {ID_CMD_OPEN_FOLDER, ID_CMD_OPEN_FOLDER, &M::OnOpenSelected, R::kList},
    {ID_CMD_EXPLORE, ID_CMD_EXPLORE, &M::OnOpenSelected, R::kList},
    // The Explore button beside the address box (Organize mode).
    {IDC_EXPLORE, IDC_EXPLORE, &M::OnOpenSelected, R::kList},
    {ID_CMD_OPEN_ALL_IN_SUBCATEGORY, ID_CMD_OPEN_ALL_IN_SUBCATEGORY, &M::OnOpenAllInSubcategory,
     R::kList},
    {ID_CMD_COPY_URL, ID_CMD_COPY_HTML_LINK, &M::OnCopySelected, R::kAlways},
    {ID_CMD_TOGGLE_MARK, ID_CMD_TOGGLE_MARK, &M::OnToggleMarkFocused, R::kAlways},
    {ID_CMD_MARK_ALL, ID_CMD_MARK_ALL, &M::OnMarkAll, R::kAlways},
    {ID_CMD_EDIT_TITLE, ID_CMD_EDIT_TITLE, &M::OnEditTitle, R::kWritableList},
    {ID_CMD_DELETE_SELECTED, ID_CMD_DELETE_BOOKMARK, &M::OnDeleteItem, R::kWritableList},
    // Ctrl+V: marked items into the focused column, or paste into an edit box.
    {ID_CMD_EDIT_PASTE, ID_CMD_EDIT_PASTE, &M::OnPaste, R::kAlways},
    {ID_CMD_ADD_TO_FAVORITES, ID_CMD_ADD_TO_FAVORITES, nullptr, R::kList},
    {ID_CMD_SCHEDULE_VISIT, ID_CMD_SCHEDULE_VISIT, &M::OnScheduleVisit, R::kWritableList},
    {ID_CMD_SHOW_ALIASES, ID_CMD_SHOW_ALIASES, &M::OnShowListViewEntry, R::kList},
    {ID_CMD_SWITCH_TAB_DEFAULT, ID_CMD_SWITCH_TAB_DEFAULT, &M::OnToggleBehaviour, R::kAlways},
    {ID_CMD_KEEP_AT_FRONT, ID_CMD_KEEP_AT_FRONT, &M::OnKeepAtFront, R::kAlways},
    {ID_CMD_AUTO_MINIMIZE, ID_CMD_AUTO_MINIMIZE, &M::OnToggleBehaviour, R::kAlways},
    {ID_CMD_ONE_CLICK_OPEN, ID_CMD_ONE_CLICK_OPEN, &M::OnToggleBehaviour, R::kAlways},
    {ID_CMD_AUTO_OPEN, ID_CMD_AUTO_OPEN, &M::OnToggleBehaviour, R::kAlways},
    {ID_CMD_FOCUS_SEARCH, ID_CMD_FOCUS_SEARCH, &M::OnFocusSearch, R::kAlways},
    {ID_CMD_PREVIOUS_LIST, ID_CMD_PREVIOUS_LIST, &M::OnPreviousList, R::kList},
    {ID_CMD_ESCAPE, ID_CMD_ESCAPE, &M::OnNothing, R::kAlways},
    {ID_CMD_SETUP, ID_CMD_SETUP, &M::OnPassToCommandWindow, R::kAlways},
    {ID_CMD_UNINSTALL, ID_CMD_UNINSTALL, &M::OnPassToCommandWindow, R::kAlways},
    {ID_CMD_OPEN_WITH, ID_CMD_OPEN_WITH, &M::OnOpenSelected, R::kList},
    {ID_CMD_VISITED_NOW, ID_CMD_VISITED_NEVER, &M::OnVisitedTime, R::kWritableList},
    // The notes window's commands and keys.
    {ID_CMD_INSERT_DATE, ID_CMD_INSERT_DATE, &M::OnInsertDate, R::kWritableList},
    {ID_CMD_COPY_LOGIN, ID_CMD_COPY_LOGIN_PASSWORD, &M::OnCopyLogin, R::kList},
    {ID_CMD_FOCUS_NOTE_TEXT, ID_CMD_FOCUS_KEYWORDS, &M::OnFocusNotesField, R::kList},
    {ID_CMD_DOCK_OFF, ID_CMD_DOCK_BELOW, &M::OnNotesOption, R::kAlways},
    {ID_CMD_AUTO_HIDE_NOTES, ID_CMD_AUTO_HIDE_NOTES, &M::OnNotesOption, R::kAlways},
    {ID_CMD_RESET_SITE_STATUS, ID_CMD_RESET_SITE_STATUS, &M::OnResetSiteStatus, R::kWritableList},
    // Browser n of the configured browsers; an n past the end is ignored.
    {ID_CMD_BLANK_TAB_BASE, ID_CMD_BLANK_TAB_BASE + 99, &M::OnOpenBlankTab, R::kAlways},
    {ID_CMD_OPEN_WITH_BASE, ID_CMD_OPEN_WITH_BASE + 99, &M::OnOpenWithBrowser, R::kList},
    {ID_CMD_OPEN_ADDRESS_BASE, ID_CMD_OPEN_ADDRESS_BASE + 99, &M::OnOpenTypedAddress, R::kAlways},
    {ID_CMD_FETCH_FROM_BASE, ID_CMD_FETCH_FROM_BASE + 99, &M::OnFetch, R::kWritableList},
    {ID_CMD_OPEN_PAGE_BASE, ID_CMD_OPEN_PAGE_BASE + 99, &M::OnOpenPageChosen, R::kWritableList},
    {ID_CMD_DEFAULT_BROWSER_BASE, ID_CMD_DEFAULT_BROWSER_BASE + 99, &M::OnSetDefaultBrowser,
     R::kAlways},
};

}  // namespace

const CommandRow* FindCommand(int id) {
  for (const CommandRow& row : kRows)
    if (id >= row.first && id <= row.last) return &row;
  return nullptr;
}

bool ReplacesOpenLists(int id) {
  if (id >= ID_CMD_LIST_BASE && id <= ID_CMD_LIST_BASE + 99) return true;
  switch (id) {
    case ID_CMD_FILE_OPEN:
    case ID_CMD_IMPORT:  // into a new list
    case ID_CMD_REVERT:
    case ID_CMD_PREVIOUS_LIST:
    case ID_CMD_APP_EXIT:
    case ID_CMD_SETUP:
    case ID_CMD_UNINSTALL:
    case ID_CMD_MODE_COMPACT:
    case ID_CMD_MODE_REGULAR:
    case ID_CMD_MODE_ORGANIZE:
      return true;
    default:
      return false;
  }
}

const CommandRow* CommandRows(size_t* count) {
  *count = sizeof kRows / sizeof kRows[0];
  return kRows;
}

bool CommandEnabled(const CommandRow& row, const MainWindow& window) {
  if (!row.handler) return false;
  const ListSlots& lists = window.Lists();
  switch (row.rule) {
    case CommandRule::kAlways:
      return true;
    case CommandRule::kList:
      return lists.HasCurrent();
    case CommandRule::kWritableList:
      return lists.CurrentIsWritable();
    case CommandRule::kMarks:
      return lists.CurrentIsWritable() && HasMarkedItems(*lists.currentList);
    case CommandRule::kAnyMarks:
      return lists.HasCurrent() && HasMarkedItems(*lists.currentList);
    case CommandRule::kTwoLists:
      // The marked items come into the current list, which must be able to
      // keep them: a read-only list would lose them at the next switch.
      return lists.CurrentIsWritable() && lists.markHoldingList != nullptr;
    case CommandRule::kSearchResults:
      return lists.HasCurrent() && window.SearchState() == kSearchShown;
  }
  return false;
}
