// The main window's side of the search: searchState and the refreshes it
// triggers, search-as-you-type, the Search button (Ctrl+F, Enter), Find
// Next / Previous, "Mark found" and the advanced search dialog's commands.
#include <string>
#include <utility>

#include "framework/message_loop.h"
#include "list/bookmark_list.h"
#include "list/list_edit.h"
#include "list/list_marks.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "search/find_next.h"
#include "search/other_lists.h"
#include "search/search_engine.h"
#include "ui/advanced_search_dialog.h"
#include "ui/list_view_dialog.h"
#include "ui/main_window.h"
#include "ui/search_list_source.h"
#include "util/messages.h"

namespace {

// While other lists are opened for a search, their arrival is no switch
// of lists for the search state.
class Busy {
 public:
  explicit Busy(bool* flag) : flag_(flag) { *flag_ = true; }
  ~Busy() { *flag_ = false; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  bool* flag_;
};

// The simple search's options are preset 1's: whatever the advanced dialog
// sets while preset 1 is selected applies to the search box too.
SearchOptions SimpleOptions(const Settings& settings, uint32_t now) {
  const auto& presets = settings.searchPresets;
  if (presets.size() < 2) {
    SearchOptions options;
    RefreshDateThreshold(&options, now);
    return options;
  }
  return FromStored(presets[1].options, now);
}

}  // namespace

bool MainWindow::HighlightingMatches() const { return search_.highlighted; }

std::string MainWindow::SearchStatusText() const {
  const SearchResult& r = search_.result;
  std::string count = r.matches > 0 ? std::to_string(r.matches) : std::string("none");
  return FillMessageArgs(platform::StringResource(IDS_STATUS_MATCHES),
                         {count, r.bookmarks, r.bookmarks == 1 ? "" : "s"});
}

void MainWindow::SetSearchState(int state, bool advanced) {
  searchState_ = state;
  if (state == kSearchPending) {
    search_.advanced = advanced;
  } else {
    // While a change waits to be searched the last results stay as drawn.
    search_.highlighted = state == kSearchShown && search_.options.showHighlighted;
  }
  SetItemText(IDC_SEARCH, state == kSearchPending ? "Cancel" : "Search");
  // The colours of the lines come and go with the results (RedrawMarks
  // also brings the status line and the command state up to date).
  if (state != kSearchPending) {
    RedrawMarks();
  } else {
    UpdateCommandState();
    UpdateStatusLine();
  }
  RefreshListView();
  if (state == kSearchShown && search_.options.showAsList) {
    // Typing goes on where it was (the search box, the advanced dialog)
    // while the list follows.
    HWND focus = GetFocus();
    ShowListView(kViewSearchResults);
    if (focus && IsWindow(focus) && GetFocus() != focus) {
      SetActiveWindow(GetAncestor(focus, GA_ROOT));
      SetFocus(focus);
    }
  }
}

void MainWindow::SearchInputChanged(bool advanced) {
  search_.lastChange = GetTickCount();
  SetSearchState(kSearchPending, advanced);
  // One delayed-search command at a time: it re-posts itself until the
  // typing pauses.
  if (search_.delayPosted) return;
  search_.delayPosted = true;
  PostCommand(ID_CMD_DELAYED_SEARCH);
}

void MainWindow::StartSearch(bool allowAutoOpen, bool allowOtherLists, bool clearSelection) {
  if (searchState_ == kSearchShown || searchState_ == kSearchHidden) {
    SetSearchState(searchState_ == kSearchShown ? kSearchHidden : kSearchShown, search_.advanced);
    return;
  }
  BookmarkList* list = List();
  if (!list) {
    SetSearchState(kSearchNone, false);
    return;
  }
  SearchOptions options;
  std::string term;
  bool advanced =
      search_.advanced && AdvancedSearchVisible() && AdvancedSearchInput(&options, &term);
  if (!advanced) {
    term = ItemText(IDC_SEARCH_TEXT);
    // An empty search box hides the results; the advanced search may run
    // on its filters alone.
    if (term.empty()) {
      SetSearchState(search_.haveResult ? kSearchHidden : kSearchNone, false);
      return;
    }
    options = SimpleOptions(settings_, list->Now());
  }
  RefreshDateThreshold(&options, list->Now());
  SearchResult result = RunSearch(*list, term, options, false);
  if (result.matches == 0 && allowOtherLists && options.searchAllLists) {
    AppSearchListSource source(lists_, settings_);
    OtherListsOutcome others;
    {
      Busy busy(&search_.searching);
      others = SearchOtherLists(source, term, options, false);
    }
    if (others.result == OtherListsResult::Found) {
      list = others.list;
      result = std::move(others.search);
      RebuildDynamicMenus();
    }
  }
  search_.list = list;
  search_.term = term;
  search_.options = options;
  search_.result = std::move(result);
  search_.haveResult = true;
  const SearchResult& found = search_.result;
  if (found.matches == 0) {
    MessageBeep(MB_ICONEXCLAMATION);
  } else if (!clearSelection) {
    SelectItem(*list, found.firstMatch);
  }
  RefillColumns(-1, !clearSelection);
  search_.lastStep = DeepestSelection(*list);
  SetSearchState(kSearchShown, advanced);
  // Only an explicit search opens the one bookmark it found (an alias of
  // it may be among the matches too).
  if (allowAutoOpen && settings_.HasBehaviour(kBehaviourAutoOpenUnique) && found.bookmarks == 1) {
    SelectItem(*list, found.firstBookmark);
    RefillColumns(-1, true);
    search_.lastStep = found.firstBookmark;
    RouteCommand(ID_CMD_OPEN_SELECTED);
  }
}

void MainWindow::SearchListMayHaveChanged() {
  if (search_.searching || List() == search_.list) return;
  search_.list = List();
  if (searchState_ == kSearchShown) {
    searchState_ = kSearchPending;
    StartSearch(false, false, false);
  } else if (searchState_ != kSearchNone) {
    SetSearchState(kSearchNone, false);
  }
}

void MainWindow::OnSearch(int /*id*/) {
  // The search box and the Search button search with the simple options,
  // unless a change in the advanced dialog is still waiting to be searched.
  if (searchState_ == kSearchNone) search_.advanced = false;
  StartSearch(true, true, false);
}

void MainWindow::OnDelayedSearch(int /*id*/) {
  if (searchState_ != kSearchPending) {
    search_.delayPosted = false;
    return;
  }
  uint32_t elapsed = GetTickCount() - search_.lastChange;
  if (elapsed >= kSearchDelayMs) {
    search_.delayPosted = false;
    StartSearch(false, false, false);
    return;
  }
  // Changes typed while waiting only move lastChange (delayPosted stays
  // set, so nothing nests); the timer dies with the window.
  SetTimer(hwnd_, ID_CMD_DELAYED_SEARCH, kSearchDelayMs - elapsed, nullptr);
}

void MainWindow::OnFindNext(int id) {
  BookmarkList* list = List();
  if (!list) return;
  if (searchState_ == kSearchNone || searchState_ == kSearchPending) {
    StartSearch(false, true, false);
    return;
  }
  if (searchState_ == kSearchHidden) {
    SetSearchState(kSearchShown, search_.advanced);
    return;
  }
  bool byHand = DeepestSelection(*list) != search_.lastStep;
  AppSearchListSource source(lists_, settings_);
  // While the other lists are loaded and searched, a search is running.
  source.onStart = [this] { SetSearchState(kSearchPending, search_.advanced); };
  FindNextOutcome step;
  {
    Busy busy(&search_.searching);
    step = FindNext(*list, search_.result, search_.term, search_.options,
                    id == ID_CMD_FIND_PREVIOUS, byHand, &source);
  }
  search_.list = List();
  if (searchState_ == kSearchPending && !step.otherList)
    SetSearchState(kSearchShown, search_.advanced);
  if (step.index == 0) return;  // no further match: the current one stays selected
  search_.lastStep = DeepestSelection(*step.list);
  RefillColumns(-1, true);
  if (step.otherList) {
    RebuildDynamicMenus();
    SetSearchState(kSearchShown, search_.advanced);
  }
  FocusItem(IDC_BOOKMARK_LIST);
}

void MainWindow::OnAdvancedSearch(int /*id*/) { ToggleAdvancedSearch(ItemText(IDC_SEARCH_TEXT)); }

void MainWindow::OnMarkFound(int /*id*/) {
  BookmarkList* list = List();
  if (!list || searchState_ != kSearchShown || search_.result.matches == 0) return;
  MarkFound(*list);
  SetSearchState(kSearchHidden, search_.advanced);
}

void MainWindow::OnSearchButtonRightClick() { ShowAdvancedSearch(ItemText(IDC_SEARCH_TEXT)); }
