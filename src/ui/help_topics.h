// The help file's map: the page of "VelloxFl.chm" (compiled from the
// help/ folder) that each help context opens, and the heading found there.
// A command's context is 0x10000 + its id, a dialog's 0x20000 + its
// template id. The table is plain data without windows.h, so that the
// native check of the help project reads the same map as the program.
#pragma once

#include <cstring>

#include "resources/resource.h"

// The help file beside the program, and the title it carries.
constexpr char kHelpFileName[] = "VelloxFl.chm";
constexpr char kHelpTitle[] = "Vellox Help";

constexpr int kHelpCommandBase = 0x10000;
constexpr int kHelpDialogBase = 0x20000;

constexpr int CommandHelpContext(int commandId) { return kHelpCommandBase + commandId; }
constexpr int DialogHelpContext(int templateId) { return kHelpDialogBase + templateId; }

struct HelpTopic {
  int context;
  const char* page;   // a page of the help file, with "#anchor" for a section
  const char* title;  // the heading at that place: the viewer's caption names it
};

// The first page of the help file (its default topic and the first entry
// of its contents).
constexpr char kHelpContentsPage[] = "main_window.htm";

inline constexpr HelpTopic kHelpTopics[] = {
    // The main window in its modes.
    {DialogHelpContext(IDD_MAIN_THREE_COLUMN), "main_window.htm", "The main window"},
    {DialogHelpContext(IDD_MAIN_COMPACT), "main_window.htm#compact", "Compact mode"},
    // File menu.
    {CommandHelpContext(ID_CMD_FILE_OPEN), "menu_file.htm#open", "Open/New"},
    {CommandHelpContext(ID_CMD_IMPORT), "import_export.htm#import",
     "Importing a bookmark collection"},
    {CommandHelpContext(ID_CMD_REVERT), "menu_file.htm#revert", "Revert"},
    {CommandHelpContext(ID_CMD_FILE_SAVE), "menu_file.htm#save", "Save"},
    {CommandHelpContext(ID_CMD_SAVE_COPY), "menu_file.htm#savecopy", "Save copy"},
    {CommandHelpContext(ID_CMD_EXPORT), "import_export.htm#export", "Exporting a bookmark list"},
    {CommandHelpContext(ID_CMD_PURGE_DELETED), "menu_file.htm#purge", "Purge all deleted items"},
    {CommandHelpContext(ID_CMD_ENCRYPTION_OPTIONS), "encryption.htm", "Passwords and encryption"},
    {CommandHelpContext(ID_CMD_CONFIGURE_LISTS), "preferences.htm#lists", "Bookmark Lists page"},
    {CommandHelpContext(ID_CMD_APP_EXIT), "menu_file.htm#exit", "Exit"},
    // Edit menu.
    {CommandHelpContext(ID_CMD_SEARCH), "search.htm", "Searching"},
    {CommandHelpContext(ID_CMD_FIND_NEXT), "search.htm#findnext", "Find Next"},
    {CommandHelpContext(ID_CMD_ADVANCED_SEARCH), "search.htm#advanced", "Advanced search"},
    {CommandHelpContext(ID_CMD_NEW_BOOKMARK), "add_bookmark.htm", "How to add a bookmark"},
    {CommandHelpContext(ID_CMD_FETCH), "add_bookmark.htm#fetch",
     "Fetching the page a browser shows"},
    {CommandHelpContext(ID_CMD_FILL_LOGIN_FORM), "quicklogin.htm", "How to use QuickLogin"},
    {CommandHelpContext(ID_CMD_MARK_CATEGORY), "move_items.htm#marking", "Marking items"},
    {CommandHelpContext(ID_CMD_MARK_SUBCATEGORY), "move_items.htm#marking", "Marking items"},
    {CommandHelpContext(ID_CMD_MARK_BOOKMARK), "move_items.htm#marking", "Marking items"},
    {CommandHelpContext(ID_CMD_MARK_FOUND), "search.htm#markfound", "Mark found"},
    {CommandHelpContext(ID_CMD_MOVE_MARKED_CATEGORY), "move_items.htm", "How to move items"},
    {CommandHelpContext(ID_CMD_MOVE_MARKED_SUBCATEGORY), "move_items.htm", "How to move items"},
    {CommandHelpContext(ID_CMD_MOVE_MARKED_BOOKMARK), "move_items.htm", "How to move items"},
    {CommandHelpContext(ID_CMD_ALIAS_MARKED_CATEGORY), "move_items.htm#aliases",
     "Aliases and duplicates"},
    {CommandHelpContext(ID_CMD_ALIAS_MARKED_SUBCATEGORY), "move_items.htm#aliases",
     "Aliases and duplicates"},
    {CommandHelpContext(ID_CMD_ALIAS_MARKED_BOOKMARK), "move_items.htm#aliases",
     "Aliases and duplicates"},
    {CommandHelpContext(ID_CMD_CLEAR_MARKS), "move_items.htm#clearing", "Clearing the marks"},
    {CommandHelpContext(ID_CMD_OPEN_MARKED), "opening.htm#marked", "Opening the marked bookmarks"},
    {CommandHelpContext(ID_CMD_COPY_MARKED_URLS), "menu_edit.htm#copymarked",
     "Copy marked bookmarks as"},
    {CommandHelpContext(ID_CMD_COPY_MARKED_TITLES_URLS), "menu_edit.htm#copymarked",
     "Copy marked bookmarks as"},
    {CommandHelpContext(ID_CMD_COPY_MARKED_HTML_LIST), "menu_edit.htm#copymarked",
     "Copy marked bookmarks as"},
    {CommandHelpContext(ID_CMD_COPY_MARKED_HTML_TABLE), "menu_edit.htm#copymarked",
     "Copy marked bookmarks as"},
    {CommandHelpContext(ID_CMD_DELETE_MARKED), "menu_edit.htm#deletemarked", "Delete marked"},
    {CommandHelpContext(ID_CMD_SORT_BOOKMARKS), "menu_edit.htm#sort", "Sort alphabetically"},
    {CommandHelpContext(ID_CMD_SORT_SUBCATEGORIES), "menu_edit.htm#sort", "Sort alphabetically"},
    {CommandHelpContext(ID_CMD_SORT_CATEGORIES), "menu_edit.htm#sort", "Sort alphabetically"},
    {CommandHelpContext(ID_CMD_SORT_ALL_BOOKMARKS), "menu_edit.htm#sort", "Sort alphabetically"},
    {CommandHelpContext(ID_CMD_SORT_ALL), "menu_edit.htm#sort", "Sort alphabetically"},
    {CommandHelpContext(ID_CMD_SEPARATOR_BOOKMARK), "menu_edit.htm#separator",
     "Add separator above selected"},
    {CommandHelpContext(ID_CMD_SEPARATOR_SUBCATEGORY), "menu_edit.htm#separator",
     "Add separator above selected"},
    {CommandHelpContext(ID_CMD_SEPARATOR_CATEGORY), "menu_edit.htm#separator",
     "Add separator above selected"},
    {CommandHelpContext(ID_CMD_BOLD_BOOKMARK), "menu_edit.htm#bold", "Bold/Unbold selected"},
    {CommandHelpContext(ID_CMD_BOLD_SUBCATEGORY), "menu_edit.htm#bold", "Bold/Unbold selected"},
    {CommandHelpContext(ID_CMD_BOLD_CATEGORY), "menu_edit.htm#bold", "Bold/Unbold selected"},
    {CommandHelpContext(ID_CMD_CHECK_BOOKMARK), "checking.htm", "Checking web sites"},
    {CommandHelpContext(ID_CMD_CHECK_SUBCATEGORY), "checking.htm", "Checking web sites"},
    {CommandHelpContext(ID_CMD_CHECK_CATEGORY), "checking.htm", "Checking web sites"},
    {CommandHelpContext(ID_CMD_CHECK_LIST), "checking.htm", "Checking web sites"},
    {CommandHelpContext(ID_CMD_MANAGE_DUPLICATES), "list_view.htm#duplicates",
     "Managing duplicates"},
    {CommandHelpContext(ID_CMD_UNDELETE_ITEMS), "list_view.htm#undelete", "Undeleting items"},
    // Browser menu.
    {CommandHelpContext(ID_CMD_OPEN_NEW_BOOKMARK), "opening.htm#typed", "Opening a typed address"},
    {CommandHelpContext(ID_CMD_OPEN_BLANK_TAB), "opening.htm#blank", "Opening a blank tab"},
    {CommandHelpContext(ID_CMD_SET_DEFAULT_BROWSER), "opening.htm#default", "The default browser"},
    {CommandHelpContext(ID_CMD_CONFIGURE_BROWSERS), "preferences.htm#browsers",
     "Web Browsers page"},
    // Application menu.
    {CommandHelpContext(ID_CMD_MODE_COMPACT), "main_window.htm#compact", "Compact mode"},
    {CommandHelpContext(ID_CMD_MODE_REGULAR), "main_window.htm#regular", "Regular mode"},
    {CommandHelpContext(ID_CMD_MODE_ORGANIZE), "main_window.htm#organize", "Organize mode"},
    {CommandHelpContext(ID_CMD_MINIMIZE), "menu_application.htm#minimize", "Minimize"},
    {CommandHelpContext(ID_CMD_TOGGLE_LIST_VIEW), "list_view.htm", "The List View"},
    {CommandHelpContext(ID_CMD_TOGGLE_NOTES), "notes_window.htm", "The notes window"},
    {CommandHelpContext(ID_CMD_PREFERENCES), "preferences.htm", "Preferences"},
    {CommandHelpContext(ID_CMD_SETUP), "setup.htm#modify", "Modify/Repair setup"},
    {CommandHelpContext(ID_CMD_UNINSTALL), "setup.htm#uninstall", "Uninstalling"},
    // Help menu.
    {CommandHelpContext(ID_CMD_HELP_CONTENTS), "main_window.htm", "The main window"},
    {CommandHelpContext(ID_CMD_HELP_ADD_BOOKMARK), "add_bookmark.htm", "How to add a bookmark"},
    {CommandHelpContext(ID_CMD_HELP_MOVE_ITEMS), "move_items.htm", "How to move items"},
    {CommandHelpContext(ID_CMD_HELP_SHORTCUTS), "keyboard_shortcuts.htm", "Keyboard shortcuts"},
    {CommandHelpContext(ID_CMD_HELP_QUICKLOGIN), "quicklogin.htm", "How to use QuickLogin"},
    {CommandHelpContext(ID_CMD_TIPS), "menu_help.htm#tips", "Tips"},
    {CommandHelpContext(ID_CMD_WEB_SITE), "menu_help.htm#website", "Web site and online support"},
    {CommandHelpContext(ID_CMD_ONLINE_SUPPORT), "menu_help.htm#website",
     "Web site and online support"},
    {CommandHelpContext(ID_CMD_ABOUT), "menu_help.htm#about", "About Vellox"},
    // The right-click menus.
    {CommandHelpContext(ID_CMD_OPEN_SELECTED), "opening.htm", "Opening bookmarks"},
    {CommandHelpContext(ID_CMD_OPEN_NEW_TAB), "opening.htm#tabs", "New tab or frontmost tab"},
    {CommandHelpContext(ID_CMD_OPEN_FRONTMOST_TAB), "opening.htm#tabs", "New tab or frontmost tab"},
    {CommandHelpContext(ID_CMD_OPEN_WITH), "opening.htm#with", "Open with"},
    {CommandHelpContext(ID_CMD_OPEN_FOLDER), "opening.htm#files",
     "Programs, documents and folders"},
    {CommandHelpContext(ID_CMD_EXPLORE), "opening.htm#files", "Programs, documents and folders"},
    {CommandHelpContext(ID_CMD_OPEN_ALL_IN_SUBCATEGORY), "opening.htm#all",
     "Opening all bookmarks of a subcategory"},
    {CommandHelpContext(ID_CMD_SWITCH_TAB_DEFAULT), "opening.htm#tabs", "New tab or frontmost tab"},
    {CommandHelpContext(ID_CMD_COPY_URL), "context_menus.htm#copyas", "Copy as"},
    {CommandHelpContext(ID_CMD_COPY_TITLE_URL), "context_menus.htm#copyas", "Copy as"},
    {CommandHelpContext(ID_CMD_COPY_HTML_LINK), "context_menus.htm#copyas", "Copy as"},
    {CommandHelpContext(ID_CMD_TOGGLE_MARK), "move_items.htm#marking", "Marking items"},
    {CommandHelpContext(ID_CMD_MOVE_MARKED_HERE), "move_items.htm", "How to move items"},
    {CommandHelpContext(ID_CMD_ALIAS_MARKED_HERE), "move_items.htm#aliases",
     "Aliases and duplicates"},
    {CommandHelpContext(ID_CMD_EDIT_TITLE), "context_menus.htm#edit", "Edit this"},
    {CommandHelpContext(ID_CMD_DELETE_SELECTED), "context_menus.htm#delete", "Delete this"},
    {CommandHelpContext(ID_CMD_TOGGLE_BOLD), "menu_edit.htm#bold", "Bold/Unbold selected"},
    {CommandHelpContext(ID_CMD_INSERT_SEPARATOR), "menu_edit.htm#separator",
     "Add separator above selected"},
    {CommandHelpContext(ID_CMD_CHECK_SELECTED), "checking.htm", "Checking web sites"},
    {CommandHelpContext(ID_CMD_ADD_TO_FAVORITES), "context_menus.htm#favorites",
     "Add to Favorites"},
    {CommandHelpContext(ID_CMD_SCHEDULE_VISIT), "context_menus.htm#schedule",
     "Schedule next visit"},
    {CommandHelpContext(ID_CMD_SHOW_ALIASES), "list_view.htm#aliases", "Showing aliases"},
    {CommandHelpContext(ID_CMD_KEEP_AT_FRONT), "context_menus.htm#background",
     "The window's own menu"},
    {CommandHelpContext(ID_CMD_AUTO_MINIMIZE), "context_menus.htm#background",
     "The window's own menu"},
    {CommandHelpContext(ID_CMD_ONE_CLICK_OPEN), "context_menus.htm#background",
     "The window's own menu"},
    {CommandHelpContext(ID_CMD_AUTO_OPEN), "context_menus.htm#background", "The window's own menu"},
    {CommandHelpContext(ID_CMD_VISITED_NOW), "context_menus.htm#visited", "Last visited"},
    {CommandHelpContext(ID_CMD_VISITED_NEVER), "context_menus.htm#visited", "Last visited"},
    {CommandHelpContext(ID_CMD_RESET_SITE_STATUS), "site_statuses.htm", "Site statuses"},
    {CommandHelpContext(ID_CMD_COPY_LOGIN), "quicklogin.htm#copy",
     "Copying the log-in and password"},
    {CommandHelpContext(ID_CMD_COPY_PASSWORD), "quicklogin.htm#copy",
     "Copying the log-in and password"},
    {CommandHelpContext(ID_CMD_COPY_LOGIN_PASSWORD), "quicklogin.htm#copy",
     "Copying the log-in and password"},
    {CommandHelpContext(ID_CMD_DOCK_OFF), "notes_window.htm#docking", "Docking"},
    {CommandHelpContext(ID_CMD_DOCK_SIDE), "notes_window.htm#docking", "Docking"},
    {CommandHelpContext(ID_CMD_DOCK_BELOW), "notes_window.htm#docking", "Docking"},
    {CommandHelpContext(ID_CMD_AUTO_HIDE_NOTES), "notes_window.htm#docking", "Docking"},
    // Dialogs.
    {DialogHelpContext(IDD_ABOUT), "menu_help.htm#about", "About Vellox"},
    {DialogHelpContext(IDD_PREFERENCES), "preferences.htm", "Preferences"},
    {DialogHelpContext(IDD_PREF_LISTS), "preferences.htm#lists", "Bookmark Lists page"},
    {DialogHelpContext(IDD_PREF_BROWSERS), "preferences.htm#browsers", "Web Browsers page"},
    {DialogHelpContext(IDD_PREF_BEHAVIOR), "preferences.htm#behavior", "Behavior page"},
    {DialogHelpContext(IDD_PREF_HOT_KEYS), "preferences.htm#hotkeys", "Hot Keys page"},
    {DialogHelpContext(IDD_PREF_PRESENTATION), "preferences.htm#presentation", "Presentation page"},
    {DialogHelpContext(IDD_DELETE_BOOKMARK), "context_menus.htm#delete", "Delete this"},
    {DialogHelpContext(IDD_DUPLICATE_BOOKMARK), "add_bookmark.htm#duplicate",
     "When the address is already in the list"},
    {DialogHelpContext(IDD_ENCRYPTION_OPTIONS), "encryption.htm", "Passwords and encryption"},
    {DialogHelpContext(IDD_DECRYPTION_PASSWORD), "encryption.htm#opening",
     "Opening an encrypted list"},
    {DialogHelpContext(IDD_READ_ONLY_WARNING), "menu_file.htm#readonly", "Read-only lists"},
    {DialogHelpContext(IDD_REVERT), "menu_file.htm#revert", "Revert"},
    {DialogHelpContext(IDD_EXPORT), "import_export.htm#export", "Exporting a bookmark list"},
    {DialogHelpContext(IDD_IMPORT), "import_export.htm#import", "Importing a bookmark collection"},
    {DialogHelpContext(IDD_SETUP), "setup.htm#modify", "Modify/Repair setup"},
    {DialogHelpContext(IDD_INSTALL), "setup.htm", "Installing Vellox"},
    {DialogHelpContext(IDD_UNINSTALL), "setup.htm#uninstall", "Uninstalling"},
    {DialogHelpContext(IDD_OPEN_NEW_BOOKMARK), "opening.htm#typed", "Opening a typed address"},
    {DialogHelpContext(IDD_QUICKSEARCH_PROMPT), "quicksearch.htm", "QuickSearch placeholders"},
    {DialogHelpContext(IDD_VISIT_SCHEDULE), "context_menus.htm#schedule", "Schedule next visit"},
    {DialogHelpContext(IDD_ADVANCED_SEARCH), "search.htm#advanced", "Advanced search"},
    {DialogHelpContext(IDD_NEW_PRESET), "search.htm#presets", "Search presets"},
    {DialogHelpContext(IDD_CHECKING), "checking.htm#dialog", "The checking dialog"},
    {DialogHelpContext(IDD_TIPS), "menu_help.htm#tips", "Tips"},
    {DialogHelpContext(IDD_LIST_VIEW), "list_view.htm", "The List View"},
    {DialogHelpContext(IDD_NOTES_WINDOW), "notes_window.htm", "The notes window"},
    {DialogHelpContext(IDD_NOTES_PAGE_LOGIN), "notes_window.htm", "The notes window"},
    {DialogHelpContext(IDD_NOTES_PAGE_TAGS), "notes_window.htm#tags", "Tags and visits"},
};

// The topic of context, or null when the map has none.
inline const HelpTopic* FindHelpTopic(int context) {
  for (const HelpTopic& topic : kHelpTopics)
    if (topic.context == context) return &topic;
  return nullptr;
}
