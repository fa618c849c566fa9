// Every resource id of the program: dialogs, controls, strings, commands,
// icons and accelerators. Only #defines, so that the resource compiler can
// read it. Ranges, one kind each:
//   1-2          IDOK / IDCANCEL (from windows.h; "Done" and "Cancel" buttons)
//   101-199      menus                                   IDM_
//   300-399      icons and bitmaps                       IDI_
//   500-599      dialog templates and tab pages          IDD_
//   900-999      menu commands                           ID_CMD_
//   1998-2499    dialog controls                         IDC_
//   5000-5299    menu and accelerator commands           ID_CMD_
//   9100-9799    run-time command ranges, base + n       ID_CMD_..._BASE
//   10000-10999  message-box and other numbered strings  IDS_
//   57600-57699  the framework's standard commands       ID_CMD_
// Shared numbers, by rule:
//   - A command's message-line help (and a control's tool-tip) is the
//     string-table entry of the same number; it has no IDS_ name of its own.
//     A family of commands built at run time shows the text of one number
//     next to it (IDS_HELP_NEW_ITEM, IDS_HELP_DUPLICATE_MARKED,
//     IDS_HELP_MOVE_MARKED_FROM_LIST).
//   - The push buttons of the main window send their own control id as a
//     command; the ID_CMD_ name of such a command is an alias of the IDC_
//     name (and the Sort/Delete buttons use their command's id).
//   - IDR_ACCELERATORS (5118) is an accelerator-table resource, a separate
//     resource namespace from the commands around it.
#pragma once

// ---------------------------------------------------------------------------
// Menus (101-199): pop-up menus loaded at run time.
#define IDM_LOGIN_BUTTON_MENU 101  // QuickLogin button, right-click
#define IDM_LIST_CONTEXT_MENU 102  // a column's line or blank area
#define IDM_BACKGROUND_MENU 104    // main window outside the controls
#define IDM_NOTES_MENU 105         // notes window: docking
#define IDM_OPEN_FILE_MENU 107     // Open button, file/program/folder
#define IDM_OPEN_WEB_MENU 108      // Open button, web address
#define IDM_SITE_STATUS_MENU 109   // notes window, site status text
#define IDM_LAST_VISIT_MENU 110    // Visited / Last visit text
#define IDM_TRAY_MENU 111          // notification-area icon

// ---------------------------------------------------------------------------
// Icons (300-399).
#define IDI_VELLOX_LARGE 301
#define IDI_VELLOX_SMALL 303
// Icon index 2 of the program file (the ".bkl" file icon) and index 3
// (the uninstall shortcut): icons are numbered in the order of their ids.
#define IDI_LIST_FILE 304
#define IDI_UNINSTALL 305

// ---------------------------------------------------------------------------
// Dialog templates and tab pages (500-599).
#define IDD_ABOUT 500                // "About Vellox"
#define IDD_PREF_BEHAVIOR 503        // preferences page "Behavior"
#define IDD_PREF_BROWSERS 504        // preferences page "Browsers"
#define IDD_DELETE_BOOKMARK 505      // bookmark occurs more than once
#define IDD_ENCRYPTION_OPTIONS 506   // "Bookmark List Encryption Options"
#define IDD_EXPORT 507               // "Export Bookmark List"
#define IDD_IMPORT 509               // "Import Bookmark Collection"
#define IDD_SETUP 510                // setup of a running program
#define IDD_INSTALL 511              // "Install Vellox v3.9.0"
#define IDD_PREF_LISTS 512           // preferences page "Bookmark Lists"
#define IDD_OPEN_NEW_BOOKMARK 514    // "Open New Bookmark"
#define IDD_DECRYPTION_PASSWORD 515  // "Decryption Password"
#define IDD_PREFERENCES 516          // "Vellox Preferences"
#define IDD_PREF_PRESENTATION 517    // preferences page "Presentation"
#define IDD_VISIT_SCHEDULE 519       // "Site Visit Schedule"
#define IDD_ADVANCED_SEARCH 520      // "Search Bookmark List"
#define IDD_UNINSTALL 521            // "Uninstall Vellox"
#define IDD_MAIN_THREE_COLUMN 522    // Regular and Organize modes
#define IDD_MAIN_COMPACT 523         // Compact mode
#define IDD_QUICKSEARCH_PROMPT 524   // "QuickSearch"
#define IDD_READ_ONLY_WARNING 525    // "Read-Only Bookmark List File"
#define IDD_PREF_HOT_KEYS 526        // preferences page "Hot Keys"
#define IDD_CHECKING 527             // "Checking bookmarks"
#define IDD_TIPS 528                 // tips
#define IDD_REVERT 530               // "Revert bookmark list"
#define IDD_NEW_PRESET 531           // "New Preset"
#define IDD_LIST_VIEW 532            // List View
#define IDD_DUPLICATE_BOOKMARK 533   // "Duplicate Bookmark Detected"
#define IDD_NOTES_WINDOW 534         // notes window
#define IDD_NOTES_PAGE_LOGIN 535     // notes window page "Notes && login"
#define IDD_NOTES_PAGE_TAGS 536      // notes window page "Tags etc."

// ---------------------------------------------------------------------------
// Menu commands (900-999).
#define ID_CMD_OPEN_ALL_IN_SUBCATEGORY 900
#define ID_CMD_OPEN_WITH 901  // "Open &with" submenu item of menu 108
#define ID_CMD_TOGGLE_LIST_VIEW 905
#define ID_CMD_PURGE_DELETED 907
#define ID_CMD_UNDELETE_ITEMS 916
#define ID_CMD_MANAGE_DUPLICATES 917
#define ID_CMD_OPEN_MARKED 921

// ---------------------------------------------------------------------------
// Dialog controls (1998-2499). One name per number: dialogs that show the
// same kind of field use the same id.
#define IDC_QUICKSEARCH_TEXT 1998  // 524: the search term

// Preferences (516) and its pages (503, 504, 512, 517, 526).
#define IDC_ADD 2000                   // 504/512 "&New/Add", "A&dd"
#define IDC_APPLY 2001                 // 516 "&Apply"
#define IDC_BROWSE 2003                // 504/512 "..."
#define IDC_EXPORT 2009                // 512 "&Export ..."
#define IDC_IMPORT 2011                // 512 "&Import ..."
#define IDC_MERGE 2013                 // 512 "&Merge ..."
#define IDC_REMOVE 2015                // 504/512 "&Remove"
#define IDC_FONT_FACE 2038             // 517 face combo box
#define IDC_FONT_SIZE 2039             // 517 size combo box
#define IDC_ENTRY_NAME 2051            // 504/512 name box
#define IDC_ENTRY_PATH 2055            // 504/512 path box
#define IDC_RECENT_PERIOD 2057         // 517 "Highlight bookmarks &visited within last"
#define IDC_MAX_SMART_ITEMS 2058       // 517 "Ma&ximum number of items in SmartFolders:"
#define IDC_HOTKEY_ACTIVATE 2062       // 526 "Acti&vate Vellox:"
#define IDC_HOTKEY_FETCH 2063          // 526 "&Bookmark current page:"
#define IDC_HOTKEY_OPEN_NEW 2064       // 526 "&Open new bookmark:"
#define IDC_HOTKEY_FILL_LOGIN 2065     // 526 "Fill out &log-in form:"
#define IDC_ENTRY_LIST 2066            // 504/512 list box of lists or browsers
#define IDC_STYLE_CUSTOM 2077          // 517 "&Custom (flat)"
#define IDC_FONT_CUSTOM 2078           // 517 "Cust&om"
#define IDC_STYLE_STANDARD 2079        // 517 "&Standard Windows (3D)"
#define IDC_FONT_STANDARD 2080         // 517 "Standard &Windows"
#define IDC_COLOR_BACKGROUND 2134      // 517 "&Background"
#define IDC_COLOR_BUTTONS 2135         // 517 "B&uttons"
#define IDC_COLOR_HIGHLIGHT 2136       // 517 "Hi&ghlight"
#define IDC_COLOR_MARKED 2137          // 517 "&Marked"
#define IDC_COLOR_TEXT 2138            // 517 "&Text"
#define IDC_PREF_TABS 2140             // 516 tab control
#define IDC_FRONT_REGULAR 2210         // 503 keep at front, "&Regular/Organize mode"
#define IDC_FRONT_COMPACT 2211         // 503 keep at front, "&Compact mode"
#define IDC_USE_TRAY 2212              // 503 "Use System &Tool Tray"
#define IDC_AUTO_DOCK 2213             // 503 "A&uto-dock:"
#define IDC_AUTO_MINIMIZE 2214         // 503 "&Auto-minimize on opening bookmark"
#define IDC_START_MINIMIZED 2215       // 503 "Start program &minimized"
#define IDC_MESSAGE_HELP 2216          // 503 "Sho&w message-line help"
#define IDC_NEW_TAB_DEFAULT 2217       // 503 "Open &Internet bookmarks in a new tab by default"
#define IDC_ONE_CLICK_OPEN 2218        // 503 "Open &bookmarks with one click on title"
#define IDC_REMEMBER_PASSWORDS 2219    // 503 "Remember encryption &passwords till exit"
#define IDC_NO_READ_ONLY_WARNING 2220  // 503 "Do not warn if bookmark list is read-only"
#define IDC_DOCK_SIDE 2221             // 503 "at &side"
#define IDC_DOCK_BELOW 2222            // 503 "b&elow"
#define IDC_SHOW_TIPS 2225             // 503 "Sh&ow tips at start-up"
#define IDC_TYPE_TO_SEARCH 2226        // 503 "Always direct typing to search bo&x"
#define IDC_NO_DUE_ALERTS 2227         // 503 "&Do not show Due To Visit alerts"
#define IDC_AUTO_OPEN_UNIQUE 2228      // 503 "Auto-open unique search matches"
#define IDC_AUTO_HIDE_NOTES 2229       // 503 "Auto-hide when blank"
#define IDC_SET_DEFAULTS 2306          // 517 "&Restore defaults", 526 "&Set defaults"
#define IDC_LOGIN_DELAY 2338           // 503 QuickLogin delay slider
#define IDC_DETECT_BROWSERS 2393       // 504 "&Look for installed browsers"
#define IDC_BROWSER_METHOD 2402        // 504 text after "Communication method:"
#define IDC_SIMULTANEOUS_CHECKS 2339   // 503 "Simultaneous checks" of the site checker

// Encryption options (506).
#define IDC_CHANGE_PASSWORD 2020         // "Change password"
#define IDC_ENCRYPT_LIST 2023            // "&Entire bookmark list"
#define IDC_ENCRYPT_SITE_PASSWORDS 2024  // "&Site log-in passwords"
#define IDC_NEW_PASSWORD 2053            // "Chosen &password:"
#define IDC_CONFIRM_PASSWORD 2054        // "Please &re-enter:"
// "&Current password:" is IDC_PASSWORD (2202).
// The password field of "Decryption Password" (515) is IDC_PASSWORD too; the
// check box of "Read-Only Bookmark List File" (525) is
// IDC_NO_READ_ONLY_WARNING (2220), the setting it changes.

// Import Bookmark Collection (509) and Export Bookmark List (507). "&Import"
// and "&Export" are IDOK; "..." is IDC_BROWSE (2003); 507's "E&xclude
// SmartFolders" is IDC_EXCLUDE_SMART (2469).
#define IDC_IMPORT_SOURCE 2025      // 509 the format box
#define IDC_PROFILE 2026            // 509/507 "&User/profile:"
#define IDC_EXCHANGE_PATH 2027      // 509/507 "&File/folder"
#define IDC_APPEND_TO_LIST 2028     // 509 "&Append to existing bookmark list:"
#define IDC_APPEND_LIST 2029        // 509 the open lists
#define IDC_SAVE_AS_NEW_LIST 2030   // 509 "Save as &new bookmark list:"
#define IDC_NEW_LIST_PATH 2031      // 509 the new list's file
#define IDC_UNRATED 2032            // 509 "Un&rated"
#define IDC_RATED_THREE 2033        // 509 "&3 ***"
#define IDC_ADD_HTTP 2034           // 509 "A&dd http:// to addresses missing protocol prefix"
#define IDC_EXPORT_LIST 2035        // 507 the open lists
#define IDC_ONLY_MARKED 2036        // 507 "Include only &marked bookmarks"
#define IDC_USE_TEMPLATE 2040       // 507 "&Template:"
#define IDC_TEMPLATE 2041           // 507 the templates by name
#define IDC_EXPORT_FAVORITES 2042   // 507 "&Internet Explorer Favorites"
#define IDC_EXPORT_START_MENU 2043  // 507 "&Start Menu shortcuts"

// Revert bookmark list (530).
#define IDC_REVERT_PROMPT 2410      // "Revert to previously-saved copy of '%1':"
#define IDC_REVERT_LAST_SAVED 2411  // the four choices, in this order
#define IDC_REVERT_RECENT 2412
#define IDC_REVERT_OLDER 2413
#define IDC_REVERT_OLDEST 2414
#define IDC_REVERT_BEFORE_LARGE_DELETION 2415  // the fifth, shown when the snapshot exists

// Main window (522 Regular/Organize, 523 Compact).
#define IDC_CATEGORY_LIST 2067  // owner-drawn list boxes, columns 1-3
#define IDC_SUBCATEGORY_LIST 2068
#define IDC_BOOKMARK_LIST 2069
#define IDC_EXPLORE 2094             // Explore button beside the address box
#define IDC_FETCH 2096               // Fetch button
#define IDC_OPEN 2097                // Open button
#define IDC_CATEGORY_PICKER 2098     // 523 category picker button
#define IDC_SUBCATEGORY_PICKER 2099  // 523 subcategory picker button
#define IDC_NEW_CATEGORY 2102        // "New" buttons under columns 1-3
#define IDC_NEW_SUBCATEGORY 2103
#define IDC_NEW_BOOKMARK 2104
#define IDC_NOTES 2105              // Notes button
#define IDC_SEARCH 2108             // Search (picture) button
#define IDC_CATEGORY_LABEL 2119     // "&Categories"
#define IDC_SUBCATEGORY_LABEL 2120  // "&Subcategories"
#define IDC_BOOKMARK_LABEL 2121     // "&Bookmarks"
#define IDC_STATUS_LINE 2127
#define IDC_FIND_LABEL 2128      // "&Find"
#define IDC_ADDRESS_LABEL 2132   // "&Address"
#define IDC_CATEGORY_TITLE 2185  // title boxes under columns 1-3; 523: picker texts
#define IDC_SUBCATEGORY_TITLE 2186
#define IDC_BOOKMARK_TITLE 2187
#define IDC_ADDRESS 2188        // address box
#define IDC_SEARCH_TEXT 2230    // search box
#define IDC_VISITED_LABEL 2346  // "Visited"
// The last-visited text is IDC_LAST_VISIT (2193).

// Notes window pages (535 "Notes && login", 536 "Tags etc.").
#define IDC_QUICKLOGIN 2093      // 535 QuickLogin button
#define IDC_PASSWORD_LOCK 2106   // 535 lock button
#define IDC_SCHEDULE 2107        // 536 schedule button (dialog 519)
#define IDC_TIME_MODIFIED 2126   // 536 "Modified"
#define IDC_SITE_STATUS 2190     // 535 "Site status" text
#define IDC_TIME_ADDED 2191      // 536 "Created"
#define IDC_TIME_CHECKED 2192    // 536 "Last checked"
#define IDC_LAST_VISIT 2193      // 536 "Last visit"; 522/523 Visited text
#define IDC_PREVIOUS_VISIT 2194  // 536 "Previous visit"
#define IDC_NEXT_VISIT 2195      // 536 "Next visit due"
#define IDC_VISITS 2196          // 536 "Visits"
#define IDC_NOTE_TEXT 2200       // 535 note (multi-line)
#define IDC_LOGIN 2201           // 535 "&Log-in"
#define IDC_PASSWORD 2202        // 535 "&Password"; 506 "&Current password:"
#define IDC_KEYWORDS 2203        // 536 keywords/tags
#define IDC_RATING 2204          // 535 "&Rating"
#define IDC_BROWSER_CHOICE 2205  // 536 "&Open with browser"

// Install (511) and setup of a running program (510).
#define IDC_APP_FOLDER 2250              // application folder
#define IDC_CHOOSE_APP_FOLDER 2251       // "Choose Application Folder"
#define IDC_LIST_FOLDER 2252             // default bookmark list folder
#define IDC_CHOOSE_LIST_FOLDER 2253      // "Choose Default Bookmark List Folder"
#define IDC_START_MENU_FOLDER 2254       // start-menu subfolder
#define IDC_SELECT_START_MENU 2255       // "Select Start Menu Subfolder"
#define IDC_SHORTCUT_PROGRAM_GROUP 2256  // the five shortcut places, in this order
#define IDC_SHORTCUT_START_MENU 2257
#define IDC_SHORTCUT_DESKTOP 2258
#define IDC_SHORTCUT_QUICK_LAUNCH 2259
#define IDC_SHORTCUT_STARTUP 2260

// Uninstall (521).
#define IDC_UNINSTALL_PROGRAM 2270  // "&Uninstall Vellox (remove program files)"
#define IDC_ERASE_PREFERENCES 2272  // "&Erase user preferences and program shortcuts"

// Checking bookmarks (527); its Cancel/Close button is IDCANCEL.
#define IDC_PAUSE 2313           // "&Pause" / "&Resume"
#define IDC_PROGRESS 2314        // progress bar
#define IDC_PROGRESS_COUNT 2315  // "done/total"
#define IDC_CHECKING_TITLE 2316  // title of the bookmark being checked

// Search Bookmark List (520) and New Preset (531). The "&Search" button is
// IDOK and "&Close" IDCANCEL.
#define IDC_PRESET 2460              // preset drop-down
#define IDC_PRESET_ADD 2461          // "&+"
#define IDC_PRESET_REMOVE 2462       // "&-"
#define IDC_SEARCH_FOR 2463          // "Search &for:"
#define IDC_IN_TITLES 2464           // "&Titles"
#define IDC_IN_NOTES 2465            // "&Notes"
#define IDC_IN_KEYWORDS 2466         // "&Keywords/tags"
#define IDC_IN_ADDRESSES 2467        // "&Addresses/URLs"
#define IDC_WITHIN_PREVIOUS 2468     // "S&earch within previous results"
#define IDC_EXCLUDE_SMART 2469       // "E&xclude SmartFolders"
#define IDC_CASE_SENSITIVE 2470      // "Case sensiti&ve"
#define IDC_WHOLE_WORD 2471          // "&Whole word"
#define IDC_IGNORE_PUNCTUATION 2472  // "&Ignore punctuation"
#define IDC_RATING_FILTER 2473       // "&Rating:"
#define IDC_RATING_MODE 2474         // at least / at most / unrated
#define IDC_RATING_VALUE 2475        // "1 *" ... "5 *****"
#define IDC_INCLUDE_UNRATED 2476     // "Inc&lude unrated"
#define IDC_DATE_FILTER 2477         // "&Date:"
#define IDC_DATE_FIELD 2478          // last visited / added / modified / site updated
#define IDC_DATE_COMPARISON 2479     // less than / more than
#define IDC_DATE_DAYS 2480           // the "days ago" box
#define IDC_STATUS_FILTER 2481       // "Stat&us:"
#define IDC_STATUS_VALUE 2482        // the site status drop-down
#define IDC_SHOW_HIGHLIGHTED 2483    // "&by highlighting"
#define IDC_SHOW_AS_LIST 2484        // "as a list"
#define IDC_SHOW_BOTH 2485           // "both"
#define IDC_SEARCH_ALL_LISTS 2486    // "Search each list until a match is found"
#define IDC_PRESET_NAME 2487         // 531: the new preset's name

// Delete Bookmark (505): the bookmark occurs more than once. "&Cancel" is
// IDCANCEL.
#define IDC_DELETE_ALL_INSTANCES 2420  // "Delete &All Instances"
#define IDC_DELETE_THIS_INSTANCE 2421  // "Delete Just &This Instance"
#define IDC_SHOW_ALL_INSTANCES 2422    // "&Show all instances"
// Duplicate Bookmark Detected (533). "&Cancel" is IDCANCEL.
#define IDC_CREATE_ALIAS 2423     // "Create &alias of existing bookmark"
#define IDC_CREATE_NEW 2424       // "Create &new bookmark"
#define IDC_SHOW_DUPLICATES 2425  // "&Show duplicates"

// List View (532). "&Close" is IDCANCEL.
#define IDC_VIEW_TABLE 2430         // the report list
#define IDC_VIEW_SHOW 2431          // "&Show" drop-down
#define IDC_VIEW_NEXT_GROUP 2432    // "&Next group"
#define IDC_VIEW_ALL 2433           // "&All"
#define IDC_VIEW_ACTION 2434        // the action drop-down
#define IDC_VIEW_DO 2435            // "&Do"
#define IDC_VIEW_IGNORE_SMART 2436  // "Ignore SmartFolders"
#define IDC_VIEW_HELP 2437          // "&Help"
#define IDC_VIEW_SHOW_LABEL 2438    // "&Show" label

// Notes window (534): the tab control holding pages 535 and 536.
#define IDC_NOTES_TABS 2441
// Site Visit Schedule (519). "&Set" is IDOK.
#define IDC_SCHEDULE_ON 2442    // "Schedule &visit for:"
#define IDC_SCHEDULE_DATE 2443  // month calendar
#define IDC_SCHEDULE_HOUR 2444  // hour drop-down
#define IDC_REPEAT_ON 2445      // "&And again every"
#define IDC_REPEAT_NUMBER 2446  // the number of units
#define IDC_REPEAT_UNIT 2447    // "hours" ... "years"

// About Vellox (500).
#define IDC_ABOUT_VERSION 2440  // "Version 3.9.0"

// Tips (528). Its "S&how tips at start-up" box is IDC_SHOW_TIPS, "&Close"
// is IDCANCEL.
#define IDC_TIP_TEXT 2490  // the tip shown
#define IDC_NEXT_TIP 2491  // "&Next tip"

// A menu command in the control range (no control carries it).
#define ID_CMD_SHOW_ALIASES 2357

// Buttons whose click is the command of the same id.
#define ID_CMD_FILL_LOGIN_FORM IDC_QUICKLOGIN
#define ID_CMD_FETCH IDC_FETCH
#define ID_CMD_OPEN_SELECTED IDC_OPEN
#define ID_CMD_PICK_CATEGORY IDC_CATEGORY_PICKER
#define ID_CMD_PICK_SUBCATEGORY IDC_SUBCATEGORY_PICKER
#define ID_CMD_NEW_CATEGORY IDC_NEW_CATEGORY
#define ID_CMD_NEW_SUBCATEGORY IDC_NEW_SUBCATEGORY
#define ID_CMD_NEW_BOOKMARK IDC_NEW_BOOKMARK
#define ID_CMD_TOGGLE_NOTES IDC_NOTES
#define ID_CMD_SEARCH IDC_SEARCH

// ---------------------------------------------------------------------------
// Menu and accelerator commands (5000-5299). Families indexed by column
// level (0 category, 1 subcategory, 2 bookmark) are consecutive, so
// "first + level" gives the command.
#define ID_CMD_EDIT_NOTE 5000           // Alt+F5
#define ID_CMD_INSERT_SEPARATOR 5001    // focused column
#define ID_CMD_SEPARATOR_CATEGORY 5002  // + level
#define ID_CMD_SEPARATOR_SUBCATEGORY 5003
#define ID_CMD_SEPARATOR_BOOKMARK 5004
#define ID_CMD_ALIAS_MARKED_HERE 5005      // renumbered to 5006 + level
#define ID_CMD_ALIAS_MARKED_CATEGORY 5006  // + level
#define ID_CMD_ALIAS_MARKED_SUBCATEGORY 5007
#define ID_CMD_ALIAS_MARKED_BOOKMARK 5008
#define ID_CMD_SORT_ALL 5009
#define ID_CMD_SORT_FOCUSED 5010     // Ctrl+Down
#define ID_CMD_SORT_CATEGORIES 5011  // + level; also the Sort buttons
#define ID_CMD_SORT_SUBCATEGORIES 5012
#define ID_CMD_SORT_BOOKMARKS 5013
#define ID_CMD_AUTO_MINIMIZE 5015
#define ID_CMD_COPY_URL 5018  // Ctrl+C
#define ID_CMD_COPY_TITLE_URL 5019
#define ID_CMD_COPY_HTML_LINK 5020
#define ID_CMD_COPY_MARKED_URLS 5021
#define ID_CMD_COPY_MARKED_TITLES_URLS 5022
#define ID_CMD_COPY_MARKED_HTML_LIST 5023
#define ID_CMD_COPY_MARKED_HTML_TABLE 5024
#define ID_CMD_DELETE_SELECTED 5026  // focused column, Del
#define ID_CMD_DELETE_CATEGORY 5027  // + level; also the Delete buttons
#define ID_CMD_DELETE_SUBCATEGORY 5028
#define ID_CMD_DELETE_BOOKMARK 5029
#define ID_CMD_DELETE_MARKED 5030              // Ctrl+Shift+D
#define ID_CMD_DUPLICATE_MARKED_CATEGORY 5033  // + level, marks of the other list
#define ID_CMD_DUPLICATE_MARKED_SUBCATEGORY 5034
#define ID_CMD_DUPLICATE_MARKED_BOOKMARK 5035
#define ID_CMD_ENCRYPTION_OPTIONS 5039
#define ID_CMD_EXPLORE 5040
#define ID_CMD_ADD_TO_FAVORITES 5042
#define ID_CMD_EXPORT 5043
#define ID_CMD_IMPORT 5044
#define ID_CMD_REVERT 5045
#define ID_CMD_SAVE_COPY 5046     // Ctrl+Shift+S
#define ID_CMD_FOCUS_SEARCH 5047  // Alt+F
#define ID_CMD_OPEN_FOLDER 5048
#define ID_CMD_OPEN_NEW_TAB 5049
#define ID_CMD_OPEN_FRONTMOST_TAB 5050
#define ID_CMD_ABOUT 5051
#define ID_CMD_MINIMIZE 5052  // F12
#define ID_CMD_SETUP 5053
#define ID_CMD_TOGGLE_BOLD 5057    // focused column, Ctrl+B
#define ID_CMD_BOLD_CATEGORY 5058  // + level
#define ID_CMD_BOLD_SUBCATEGORY 5059
#define ID_CMD_BOLD_BOOKMARK 5060
#define ID_CMD_TOGGLE_MARK 5061    // focused column, Ctrl+X
#define ID_CMD_MARK_CATEGORY 5062  // + level
#define ID_CMD_MARK_SUBCATEGORY 5063
#define ID_CMD_MARK_BOOKMARK 5064
#define ID_CMD_MARK_FOUND 5065
#define ID_CMD_MODE_COMPACT 5066          // F6; mode = command - 5065
#define ID_CMD_MODE_REGULAR 5067          // F7
#define ID_CMD_MODE_ORGANIZE 5068         // F8
#define ID_CMD_MOVE_MARKED_HERE 5071      // renumbered to 5072 + level
#define ID_CMD_MOVE_MARKED_CATEGORY 5072  // + level
#define ID_CMD_MOVE_MARKED_SUBCATEGORY 5073
#define ID_CMD_MOVE_MARKED_BOOKMARK 5074
#define ID_CMD_ESCAPE 5075             // Esc: no action
#define ID_CMD_OPEN_BLANK_TAB 5076     // Ctrl+Shift+B
#define ID_CMD_OPEN_NEW_BOOKMARK 5077  // Ctrl+Shift+N
#define ID_CMD_CONFIGURE_BROWSERS 5078
#define ID_CMD_CONFIGURE_LISTS 5079
#define ID_CMD_PREFERENCES 5080    // Ctrl+Alt+P
#define ID_CMD_PREVIOUS_LIST 5081  // Ctrl+Tab
#define ID_CMD_SCHEDULE_VISIT 5084
#define ID_CMD_ADVANCED_SEARCH 5085  // Ctrl+Shift+F
#define ID_CMD_FIND_NEXT 5086        // F3
#define ID_CMD_FIND_PREVIOUS 5087    // Shift+F3
#define ID_CMD_VISITED_NOW 5088
#define ID_CMD_VISITED_NEVER 5089
#define ID_CMD_ONE_CLICK_OPEN 5090
#define ID_CMD_SWITCH_TAB_DEFAULT 5092
#define ID_CMD_KEEP_AT_FRONT 5093
#define ID_CMD_UNINSTALL 5094
#define ID_CMD_CLEAR_MARKS 5095              // Ctrl+Shift+C
#define ID_CMD_MOVE_FROM_LIST_CATEGORY 5098  // + level, marks of the other list
#define ID_CMD_MOVE_FROM_LIST_SUBCATEGORY 5099
#define ID_CMD_MOVE_FROM_LIST_BOOKMARK 5100
#define IDR_ACCELERATORS 5118       // common accelerator table
#define IDR_MAIN_MENU 5118          // the menu bar (a menu resource of the same number)
#define IDR_ACCEL_THREE_COLUMN 522  // Regular/Organize accelerators (beside dialog 522)
#define IDR_ACCEL_COMPACT 523       // Compact accelerators (beside dialog 523)
#define ID_CMD_DOCK_OFF 5124
#define ID_CMD_DOCK_SIDE 5125
#define ID_CMD_DOCK_BELOW 5126
#define ID_CMD_RESET_SITE_STATUS 5129
#define ID_CMD_CHECK_SELECTED 5130  // focused selection
#define ID_CMD_CHECK_LIST 5131
#define ID_CMD_CHECK_CATEGORY 5132  // scope level = command - 5132
#define ID_CMD_CHECK_SUBCATEGORY 5133
#define ID_CMD_CHECK_BOOKMARK 5134
#define ID_CMD_WEB_SITE 5140
#define ID_CMD_ONLINE_SUPPORT 5141
#define ID_CMD_TIPS 5142
#define ID_CMD_HELP_ADD_BOOKMARK 5143  // help context = command + 0x10000
#define ID_CMD_HELP_MOVE_ITEMS 5144
#define ID_CMD_HELP_SHORTCUTS 5145
#define ID_CMD_HELP_QUICKLOGIN 5146
#define ID_CMD_EDIT_TITLE 5150
#define ID_CMD_MARK_ALL 5154  // Ctrl+A
#define ID_CMD_AUTO_OPEN 5155
#define ID_CMD_INSERT_DATE 5170    // Ctrl+D
#define ID_CMD_COPY_LOGIN 5174     // Ctrl+Shift+L
#define ID_CMD_COPY_PASSWORD 5175  // Ctrl+Shift+P
#define ID_CMD_COPY_LOGIN_PASSWORD 5176
#define ID_CMD_FOCUS_NOTE_TEXT 5182  // Alt+N
#define ID_CMD_FOCUS_LOGIN 5183      // Alt+L
#define ID_CMD_FOCUS_PASSWORD 5184   // Alt+P
#define ID_CMD_FOCUS_RATING 5185     // Alt+R
#define ID_CMD_FOCUS_KEYWORDS 5186   // Alt+K
#define ID_CMD_SET_DEFAULT_BROWSER 5187
#define ID_CMD_AUTO_HIDE_NOTES 5189
#define ID_CMD_SORT_ALL_BOOKMARKS 5190
#define ID_CMD_EDIT_CATEGORY_BOX 5201  // Shift+Alt+1/2/3: Organize, edit box
#define ID_CMD_EDIT_SUBCATEGORY_BOX 5202
#define ID_CMD_EDIT_BOOKMARK_BOX 5203
#define ID_CMD_FOCUS_CATEGORIES 5204  // Alt+1/2/3: focus column
#define ID_CMD_FOCUS_SUBCATEGORIES 5205
#define ID_CMD_FOCUS_BOOKMARKS 5206
#define ID_CMD_DELAYED_SEARCH 5220    // also the main window's typing-pause timer
#define ID_CMD_ADD_DROPPED_LINK 5225  // a drop starts its new bookmark (posted by the drop)

// Message-line help of families that have no string of their own number.
#define IDS_HELP_NEW_ITEM 2000               // New buttons 2102-2104 (no Shift)
#define IDS_HELP_DUPLICATE_MARKED 5032       // 5033-5035; %1 = list with marks
#define IDS_HELP_MOVE_MARKED_FROM_LIST 5097  // 5098-5100; %1 = list with marks

// Buttons that send a command id.
#define IDC_SORT_CATEGORIES ID_CMD_SORT_CATEGORIES
#define IDC_SORT_SUBCATEGORIES ID_CMD_SORT_SUBCATEGORIES
#define IDC_SORT_BOOKMARKS ID_CMD_SORT_BOOKMARKS
#define IDC_DELETE_CATEGORY ID_CMD_DELETE_CATEGORY
#define IDC_DELETE_SUBCATEGORY ID_CMD_DELETE_SUBCATEGORY
#define IDC_DELETE_BOOKMARK ID_CMD_DELETE_BOOKMARK

// ---------------------------------------------------------------------------
// Run-time command ranges (base + n, n = 0..99).
#define ID_CMD_LIST_BASE 9100             // switch to list n (Ctrl+1 ... Ctrl+0)
#define ID_CMD_BLANK_TAB_BASE 9200        // blank tab in browser n
#define ID_CMD_OPEN_WITH_BASE 9300        // open the selection with browser n
#define ID_CMD_OPEN_ADDRESS_BASE 9400     // open a typed address in browser n
#define ID_CMD_FETCH_FROM_BASE 9500       // fetch the current page from browser n
#define ID_CMD_OPEN_PAGE_BASE 9600        // fetch page n of the open-pages menu
#define ID_CMD_DEFAULT_BROWSER_BASE 9700  // make browser n the default
// Tray menu SmartFolder entries: item index + this.
#define ID_CMD_TRAY_ITEM_BASE 0x10000000

// ---------------------------------------------------------------------------
// The framework's standard commands (57600-57699).
#define ID_CMD_FILE_OPEN 57601      // "&Open/New ..."
#define ID_CMD_FILE_SAVE 57603      // Ctrl+S
#define ID_CMD_EDIT_PASTE 57637     // Ctrl+V
#define ID_CMD_APP_EXIT 57665       // "E&xit\tAlt+F4"
#define ID_CMD_HELP_CONTENTS 57667  // F1
#define ID_CMD_HELP 57670           // dialogs' "&Help" buttons
#define IDC_HELP_BUTTON ID_CMD_HELP

// ---------------------------------------------------------------------------
// Strings (10000-10999): message boxes ("Caption\tText", or the text alone
// under the caption "Message"), titles and status-line texts.
#define IDS_BLANK_PASSWORD 10000
#define IDS_CREATE_NEW_LIST 10001
#define IDS_DELETE_ALL 10002
#define IDS_DELETE_MARKED 10004
#define IDS_REVERT_FAILED 10005
#define IDS_CANNOT_OPEN_APPLICATION 10007
#define IDS_WRONG_PASSWORD 10008
#define IDS_BROWSER_START_FAILED 10009
#define IDS_LIST_REPAIRED 10010
#define IDS_LIST_CORRUPT 10011
#define IDS_EXPORT_FAILED 10012
#define IDS_CANNOT_OPEN_LIST 10013
#define IDS_IMPORT_FAILED 10014
#define IDS_LIST_UNREACHABLE 10015
#define IDS_EXPORT_DESTINATION_MISSING 10016
#define IDS_BROWSER_MENU_FULL 10017
#define IDS_LIST_MENU_FULL 10018
#define IDS_OUT_OF_MEMORY_ADDING 10019
#define IDS_PASSWORD_MISTYPED 10020
#define IDS_NO_BROWSER 10021
#define IDS_OUT_OF_MEMORY_LOADING 10023
#define IDS_DECRYPTION_FAILED 10024
#define IDS_CANNOT_CREATE_LIST 10025
#define IDS_FILE_MISSING 10026
#define IDS_CANNOT_MOVE_LIST 10027
#define IDS_ENTRY_NAME_MISSING 10028
#define IDS_ENTRY_PATH_MISSING 10029
#define IDS_CANNOT_SAVE_LIST 10030
#define IDS_NOT_A_LIST_FILE 10031
#define IDS_NOT_ADMINISTRATOR 10032
#define IDS_REGISTRY_ERROR 10033
#define IDS_FAVORITE_EXPORT_PROBLEM 10035
#define IDS_EXPORT_FINISHED 10036
#define IDS_LIST_FULL 10037
#define IDS_CLOSE_RUNNING_INSTANCE 10038
#define IDS_INSTALL_PROBLEM 10039
#define IDS_OVERWRITE_MOVED_LIST 10040
#define IDS_OVERWRITE_LIST 10041
#define IDS_UPDATE_TEMPLATES 10042
#define IDS_INVALID_APP_FOLDER 10043
#define IDS_INVALID_LIST_FOLDER 10044
#define IDS_NO_SHORTCUTS 10045
#define IDS_LAUNCH_NOW 10046
#define IDS_FAVORITES_OVERWRITE_WARNING 10047
#define IDS_OVERWRITE_FILE 10048
#define IDS_PURGE_DELETED 10049
#define IDS_SAVE_CHANGES 10053
#define IDS_SAVE_COPY_TITLE 10054
#define IDS_APPLY_PREFERENCES 10055
#define IDS_DELETE_AT_RESTART 10059
#define IDS_STATUS_MATCHES 10063
#define IDS_STATUS_LIST 10064
#define IDS_STATUS_MARKED 10065
#define IDS_DECRYPT_TITLE 10066
#define IDS_DELETE_TITLE 10067
#define IDS_NO_MATCHING_DOCUMENT 10068
#define IDS_FETCH_FAILED 10069
#define IDS_SMARTFOLDERS_UNDELETABLE 10071
#define IDS_ENCRYPTION_ERROR 10079
#define IDS_REVERT_LAST_SAVED 10080
#define IDS_REVERT_RECENT 10081
#define IDS_REVERT_OLDER 10082
#define IDS_REVERT_OLDEST 10083
#define IDS_REVERT_NOT_FOUND 10084
#define IDS_REVERT_PROMPT 10085
#define IDS_PASSWORD_WRONG 10086
#define IDS_REVERT_BEFORE_LARGE_DELETION 10087
#define IDS_CONVERT_FROM_UNICODE 10089
#define IDS_ENCRYPTED_UNICODE 10090
#define IDS_NO_ENCRYPTION_OPTION 10092
