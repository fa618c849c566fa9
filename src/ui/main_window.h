// The main window: a modeless dialog showing the open list, with the menu
// bar, the buttons, the search box and the status line. MainWindow holds
// what the modes share; ThreeColumnWindow (Regular and Organize, dialog
// 522) and CompactWindow (dialog 523) add their columns and commands.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/scoped_handle.h"
#include "list/list_slots.h"
#include "search/search_options.h"
#include "settings/settings.h"
#include "ui/exchange_dialogs.h"
#include "ui/link_drop_target.h"
#include "ui/program_control.h"
#include "ui/search_controller.h"

class AdvancedSearchDialog;
class BookmarkList;
class CheckingDialog;
class SiteChecks;
class ListViewDialog;
class NotesWindow;
class TipsDialog;

class ColumnControls;

class MainWindow : public framework::Dialog {
 public:
  MainWindow(int templateId, int mode, const MainWindowContext& context);
  ~MainWindow() override;

  int Mode() const { return mode_; }
  // What the window was handed when it was made.
  Settings& UserSettings() const { return settings_; }
  ListSlots& Lists() const { return lists_; }
  ProgramControl& Program() const { return program_; }
  // The family whose window flags and rectangles this window uses.
  int Family() const;
  // Title, columns, status line and commands brought up to date with the
  // current list (after opening, switching or reverting a list).
  void RefreshDisplay();
  // Refills the list boxes from fromLevel (-1 = all) downward from the
  // model; keepSelection keeps each column's selected item.
  virtual void RefillColumns(int fromLevel, bool keepSelection) = 0;
  // Offers to save the current list and the list holding marks; false
  // when the user cancelled.
  bool SaveIfChanged(bool exiting, bool askFirst, bool force);
  // The one step before anything replaces or closes the open lists (another
  // list opened or handed over, a mode rebuild, setup, uninstall, exit, a
  // close from outside): SaveIfChanged, asking first when the user chose
  // "ask before saving". exiting names the prompt's "exiting" (No then
  // leaves the file as it is); false when the user cancelled, and then
  // nothing may change.
  bool SaveBeforeLeavingLists(bool exiting);
  void ShowDueVisitAlert() {}
  void UpdateStatusLine();
  void UpdateCommandState();
  // The list entries of the File menu and the title.
  void RebuildDynamicMenus();
  // Every command of the window enters here.
  void RouteCommand(int id);
  // Runs work as one command: what it asks to show after itself (the
  // browser preferences) comes once, when it is over.
  template <typename Work>
  void AsOneCommand(Work work) {
    ++commandDepth_;
    work();
    if (--commandDepth_ == 0) AfterOutermostCommand();
  }
  // Stores the window's rectangle for its family.
  void SaveWindowPositions();
  // The current list, or null.
  BookmarkList* List() const { return lists_.currentList.get(); }
  // The LineData of a line of a column (0 when there is no such line).
  uint32_t LineDataAt(int level, int line) const;
  // The smallest size of the window (frame and menu bar included) at which
  // its controls neither overlap nor vanish (main_window_layout.cpp).
  POINT MinWindowSize() const;
  // Where a maximized window stands: over the work area of its monitor,
  // only its sizing frame beyond it.
  void PlaceMaximized(MINMAXINFO* info) const;
  // The mouse handling of the column list boxes, the splitters and tips.
  ColumnControls* Columns() const { return columns_.get(); }
  // 0 no search, 1 a search pending or running, 2 results shown, 3 results
  // to be shown again.
  int SearchState() const { return search_.State(); }

  // Handlers of the common command table (main_window_commands.cpp); each
  // receives the command id.
  void OnOpenOrCreate(int id);
  void OnSave(int id);
  void OnSaveCopy(int id);
  void OnRevert(int id);
  void OnEncryptionOptions(int id);
  void OnSwitchList(int id);
  void OnPreviousList(int id);
  void OnExit(int id = 0);
  void OnMinimize(int id = 0);
  void OnFocusSearch(int id);
  void OnToggleBehaviour(int id);
  void OnKeepAtFront(int id);
  // Makes the window and its dialogs topmost or not, as the family's
  // "Keep at front" says.
  void ApplyKeepAtFront();
  void OnNothing(int /*id*/) {}
  // Setup and uninstall belong to the command window.
  void OnPassToCommandWindow(int id);
  // The message-line help of a menu item (WM_MENUSELECT).
  void ShowMenuHelp(int id, UINT flags, HMENU menu);
  // The List View dialog (main_window_list_view.cpp): F9, "&Undelete
  // items", "Mana&ge duplicates" and "Show Aliases".
  void OnToggleListView(int id);
  void OnShowListViewEntry(int id);

  // The two dialogs the window owns, made with it and destroyed (their
  // places stored) before it. The List View (list_view_dialog.cpp):
  // rebuilt on the current entry (nothing while it is hidden), shown on an
  // entry (kView...), F9, and following the selection; its window or null.
  void RefreshListView();
  void ShowListView(int entry);
  void ToggleListView();
  void ListViewSelectionChanged(uint16_t item);
  HWND ListViewWindow() const;
  // The advanced search (advanced_search_dialog.cpp): Ctrl+Shift+F
  // (hidden -> shown with the search box's text; shown but not active ->
  // activated; active -> hidden), the Search button's right-click (shown or
  // activated), and its options and "Search for" text (false when it does
  // not exist).
  void ToggleAdvancedSearch(const std::string& mainSearchText);
  void ShowAdvancedSearch(const std::string& mainSearchText);
  bool AdvancedSearchVisible() const;
  bool AdvancedSearchInput(SearchOptions* options, std::string* term) const;
  // Made and destroyed with the window (CreateMainWindow, DeleteMainWindow).
  void CreateListView();
  void DestroyListView();
  void CreateAdvancedSearch();
  void DestroyAdvancedSearch();

  // The notes window (main_window_notes.cpp), made and destroyed with the
  // window (its rectangle stored). RefreshNotesWindow after every change of
  // selection and edits elsewhere: shown or hidden (auto-hide) and filled.
  // ToggleNotesWindow (F5, the Notes button, its close box): shown or
  // hidden, the choice kept in the family's window flags. ShowNotesWindow
  // shows it (when it is marked open) or hides it without activating
  // anything, for whatever hides and shows the program's windows.
  // NotesEdited: a field was typed into the selected bookmark.
  void CreateNotesWindow();
  void DestroyNotesWindow();
  void RefreshNotesWindow();
  void ToggleNotesWindow();
  void ShowNotesWindow(bool show);
  void RedockNotesWindow();
  void NotesEdited();
  HWND NotesWindowHandle() const;
  // Whether the command table lets command id run now.
  bool CommandAllowed(int id) const;
  // F5, Alt+F5 (5000), Ctrl+D (5170), 5182-5186 (a field of the notes
  // window), 5124-5126 and 5189 (docking, auto-hide), 5084 (dialog 519).
  void OnToggleNotes(int id);
  void OnEditNote(int id);
  void OnInsertDate(int id);
  void OnFocusNotesField(int id);
  void OnNotesOption(int id);
  void OnScheduleVisit(int id);

  // The site checker (main_window_checking.cpp): commands 5130-5134 (a
  // scope, then the checking dialog) and 5129 (reset the selected
  // bookmark), the dialog's progress step from the idle processing, and
  // what the notes window's site-status menu (109) calls: CheckBookmarkNow
  // (5134 there: the bookmark at once, without the dialog) and
  // ResetSiteStatus (5129).
  void OnCheckStatus(int id);
  void OnResetSiteStatus(int id);
  bool CheckingStep();
  void CheckBookmarkNow(uint16_t item);
  void ResetSiteStatus(uint16_t item);
  // Results were stored for these items: the displays that show them are
  // brought up to date.
  void SiteStatusesStored(const std::vector<uint16_t>& items);
  SiteChecks* Checks() const { return checks_; }
  HWND CheckingDialogWindow() const;
  void CreateCheckingDialog();
  void DestroyCheckingDialog();

  // The tips dialog (tips_dialog.cpp): made and destroyed with the window,
  // shown by 5142 and at start-up when the user asked for it; its
  // start-up box follows a change of the behaviour bit made elsewhere.
  void CreateTips();
  void DestroyTips();
  void OnShowTips(int id);
  void ShowTipsAtStart();
  void TipsStartUpChoiceChanged();

  // Search: handed to the window's SearchController (search_controller.h).
  void SetSearchState(int state, bool advanced) { search_.SetState(state, advanced); }
  void StartSearch(bool allowAutoOpen, bool allowOtherLists, bool clearSelection) {
    search_.Start(allowAutoOpen, allowOtherLists, clearSelection);
  }
  void SearchInputChanged(bool advanced) { search_.InputChanged(advanced); }
  bool SearchHoldsResultsOf(const SearchOptions& options, const std::string& term) const {
    return search_.HoldsResultsOf(options, term);
  }
  bool HighlightingMatches() const { return search_.HighlightingMatches(); }
  std::string SearchStatusText() const { return search_.StatusText(); }
  void SearchListMayHaveChanged() { search_.ListMayHaveChanged(); }
  void OnSearch(int /*id*/) { search_.Search(); }
  void OnDelayedSearch(int /*id*/) { search_.TypingPaused(); }
  void OnFindNext(int id) { search_.FindNext(id); }
  void OnAdvancedSearch(int /*id*/) { search_.ToggleAdvancedDialog(); }
  void OnMarkFound(int /*id*/) { search_.MarkFound(); }
  void OnSearchButtonRightClick() { search_.ShowAdvancedDialog(); }

  // Editing the list (main_window_editing.cpp); each receives the command
  // id.
  void OnToggleMarkLevel(int id);
  void OnToggleMarkFocused(int id);
  void OnMarkAll(int id);
  void OnClearMarks(int id);
  void OnDeleteMarked(int id);
  void OnTransferMarked(int id);
  void OnPaste(int id);
  void OnCopySelected(int id);
  void OnCopyMarked(int id);
  void OnSort(int id);
  void OnBold(int id);
  void OnSeparator(int id);
  void OnPurgeDeleted(int id);
  void OnDeleteItem(int id);
  void OnEditTitle(int id);
  // The column that the commands of "the focused column" act on.
  int FocusedLevel() const;
  // The lines' colours after marks changed, with the status line and the
  // command state.
  void RedrawMarks();
  // After the model changed: the columns, the command state and the List
  // View.
  void AfterEdit();
  // Right-click menus and the help of controls (context_menus.cpp).
  void ShowListContextMenu(int level, POINT screen);
  void ShowBackgroundMenu(POINT screen);
  void ShowControlHelp(HWND control);
  // The enabling rules beyond the command table and the Move/Alias marked
  // submenus (dynamic_menus.cpp).
  void UpdateEditingState(HMENU menu);
  // The browser submenus of the menu bar, the right-click menus of the
  // Open and Fetch buttons and the Visited text, "Set to No&w"/"Set to
  // Ne&ver", the default browser and the About box
  // (main_window_browsers.cpp).
  void RebuildBrowserMenus(HMENU bar);
  void UpdateBrowserMenuState(HMENU bar);
  void ShowOpenButtonMenu(POINT screen);
  void ShowFetchButtonMenu(POINT screen);
  void ShowVisitedMenu(POINT screen);
  void OnSetDefaultBrowser(int id);
  void OnVisitedTime(int id);
  void OnAbout(int id);
  // File > Import and File > Export (main_window_exchange.cpp): the
  // dialogs, and the import itself into an open list or a new one.
  void OnImport(int id);
  void OnExport(int id);
  ImportOutcome PerformImport(const ImportRequest& request);
  // The help (main_window_help.cpp): 57667 and F1 (WM_HELP) open the
  // topic of the window's mode (CurrentHelpContext), F1 in an open menu
  // the highlighted command's topic, 5143-5146 their own topics; 5140 and
  // 5141 open the product's web pages in the default browser
  // (main_window_opening.cpp). The dialogs answer F1 themselves.
  void OnHelpContents(int id);
  void OnHelpTopic(int id);
  void OnHelpRequest(const HELPINFO& info);
  int CurrentHelpContext() const;
  void OnWebPage(int id);
  // The preferences (main_window_preferences.cpp): 5078 opens them at
  // "Browsers", 5079 at "Bookmark Lists", 5080 at "Behavior";
  // FollowPreferences brings the program and the window up to date after
  // an Apply.
  void OnPreferences(int id);
  void FollowPreferences();
  // After a browser error: the preferences at "Browsers" once the command
  // is over, however many errors it met.
  void ShowBrowserPreferencesLater();
  // A browser error met in the command under way: opening more would only
  // fail the same way.
  bool BrowserUnreachable() const { return browserPreferencesWanted_; }
  // Opening bookmarks (main_window_opening.cpp): the selected bookmark in
  // the way the command asks (Open, the tab choices, the folder, Explore),
  // with browser n (9300 + n), every bookmark of the subcategory, the
  // marked ones, a blank tab (5076, 9200 + n) and a typed address (5077,
  // 9400 + n).
  void OnOpenSelected(int id);
  void OnOpenWithBrowser(int id);
  void OnOpenAllInSubcategory(int id);
  void OnOpenMarked(int id);
  void OnOpenBlankTab(int id);
  void OnOpenTypedAddress(int id);
  // Opens bookmark item (tabChoice a browser::TabChoice; browserIndex -1:
  // its own or the default browser); the visit is recorded on success.
  bool OpenItem(uint16_t item, int tabChoice, bool openFolder, bool explore, int browserIndex);
  // The Open button shows the icon of the program that will open the
  // selected bookmark (its browser for a web address); none without one.
  void UpdateOpenButtonPicture(uint16_t bookmark);
  // Fetching the page a browser shows (main_window_fetch.cpp): Ctrl+E and
  // the Fetch button (the default browser), 9500 + n (browser n), and the
  // Fetch button's right-click menu of each browser's open pages, filled
  // when a browser's submenu opens.
  void OnFetch(int id);
  // The Fetch button's menu of browsers (9500 + n): each entry that can
  // run becomes an empty submenu, filled when it opens; with one browser
  // its pages replace the menu's entry. A page's command is its position
  // in the open-pages list + ID_CMD_OPEN_PAGE_BASE.
  void PrepareOpenPagesMenu(HMENU menu);
  // Fills a browser submenu of that menu when it opens; the Edit menu's
  // Fetch submenu (one entry per browser) is prepared the same way each
  // time it opens.
  void FillOpenPagesMenu(HMENU popup);
  // Refills the Edit menu's Fetch submenu with the browsers when popup is
  // that submenu; false for any other popup.
  bool RefillFetchSubmenu(HMENU popup);
  // Fetches the page of the command chosen in that menu
  // (ID_CMD_OPEN_PAGE_BASE + its position; anything else: none).
  void OnOpenPageChosen(int command);
  // QuickLogin (main_window_login.cpp): 2093 types the selected bookmark's
  // log-in and password into the window used before this one; 5174-5176
  // copy the log-in, the password, or both with a tab between.
  void OnFillLoginForm(int id);
  void OnCopyLogin(int id);
  // Asks for the list's password when its site passwords are still
  // locked; false when they stay locked.
  bool UnlockSitePasswords(BookmarkList& list);
  // Starts a new bookmark from an address and a title in Organize mode
  // (fetched: it comes from a browser). False where the window cannot add
  // one in place (Compact mode: the caller switches to Organize first).
  // replaceAddress: Shift was held at the drop (-1: Shift's state now).
  virtual bool AddBookmarkFrom(const std::string& address, const std::string& title, bool fetched,
                               int replaceAddress = -1);
  // Drag and drop (main_window_drop.cpp): a bookmark of the bookmark column
  // dragged out of the window; a visit is recorded when the target took it
  // as a link (a browser opening it).
  void DragBookmarkOut(uint16_t item);
  // The last-visited text of the selected bookmark (empty without one).
  void UpdateVisitedText(uint16_t bookmark);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override {}
  void OnCancel() override {}
  bool OnDrawItem(DRAWITEMSTRUCT* item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT* item) override;
  void OnDestroy() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) override;

  // The smallest client area the controls fit in, in pixels.
  virtual SIZE MinClientSize() const = 0;
  // The concrete class's commands after the common dispatch; true when
  // handled.
  virtual bool OnWindowCommand(int id, int code) = 0;
  // The level of the list box with control id, or -1.
  virtual int LevelOfBox(int controlId) const;
  // A line of a column was chosen by the user.
  virtual void OnColumnSelection(int level, int line);
  // Fills the list box of level from the model's column.
  void FillBox(int level);
  void ClearBox(int level);
  HWND Box(int level) const;

  void PaintLines();
  // The custom (flat) look (main_window_style.cpp): set up with the window
  // when the user chose it, released with it.
  bool FlatStyle() const;
  void ApplyFlatStyle();
  void ReleaseFlatStyle();
  bool OnFlatColors(UINT msg, WPARAM wp, INT_PTR* result);
  bool DrawFlatButton(const DRAWITEMSTRUCT& item);
  void OnActivate(bool active);
  bool OnSysCommand(WPARAM wp);
  void InstallAccelerators();
  void RouteOneCommand(int id);
  void AfterOutermostCommand();

  int mode_;
  Settings& settings_;
  ListSlots& lists_;
  ProgramControl& program_;
  std::unique_ptr<ListViewDialog> listView_;
  std::unique_ptr<AdvancedSearchDialog> advancedSearch_;
  SiteChecks* checks_;
  std::unique_ptr<CheckingDialog> checking_;
  std::unique_ptr<NotesWindow> notes_;
  std::unique_ptr<TipsDialog> tips_;
  // LineData of each line, per level (the list box keeps the text and the
  // item index).
  std::array<std::vector<uint32_t>, 3> lineData_;
  // The list and the parent item whose lines each box was last filled with.
  std::array<const BookmarkList*, 3> boxList_ = {nullptr, nullptr, nullptr};
  std::array<uint16_t, 3> boxParent_ = {0, 0, 0};
  HWND lastFocus_ = nullptr;
  framework::ScopedAccelerators accelerators_;
  SearchController search_{*this};
  // The control whose help the status line shows (message-line help).
  HWND helpControl_ = nullptr;
  // Made in OnInit; kept until the window object goes, after its list
  // boxes (which report their destruction to it).
  std::unique_ptr<ColumnControls> columns_;
  // The client size the template was laid out at, and the current one
  // (WM_SIZE moves the controls by the difference).
  SIZE templateClient_ = {0, 0};
  SIZE client_ = {0, 0};
  framework::ScopedBrush background_;  // the flat look's background
  framework::ScopedIcon openIcon_;     // the Open button's picture
  LinkDropRegistration dropTarget_;    // links dropped on the window
  bool preferencesOpen_ = false;       // the preferences dialog runs
  bool browserPreferencesWanted_ = false;
  int commandDepth_ = 0;  // RouteCommand calls under way
};

// "Vellox", or "<list name> - Vellox" with a list open.
std::string MainWindowTitle(const std::string& listName);
// Builds the main window in mode (a bad mode gives Regular), owned by the
// window owner, with its dialogs; shown unless startMinimized (shown
// minimized) or startHidden. Null when the window could not be made.
std::unique_ptr<MainWindow> CreateMainWindow(int mode, const MainWindowContext& context, HWND owner,
                                             bool startMinimized, bool startHidden = false);
// Stores the window's place and its dialogs' places, then destroys it.
void DeleteMainWindow(std::unique_ptr<MainWindow> window);
