#include "ui/search_controller.h"

#include <string>
#include <utility>

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

std::string SearchController::StatusText() const {
  const SearchResult& r = result_;
  std::string count = r.matches > 0 ? std::to_string(r.matches) : std::string("none");
  return FillMessageArgs(platform::StringResource(IDS_STATUS_MATCHES),
                         {count, r.bookmarks, r.bookmarks == 1 ? "" : "s"});
}

void SearchController::SetState(int state, bool advanced) {
  state_ = state;
  if (state == kSearchPending) {
    advanced_ = advanced;
  } else {
    // While a change waits to be searched the last results stay as drawn.
    highlighted_ = state == kSearchShown && options_.showHighlighted;
  }
  window_.SetItemText(IDC_SEARCH, state == kSearchPending ? "Cancel" : "Search");
  // The colours of the lines come and go with the results (RedrawMarks
  // also brings the status line and the command state up to date).
  if (state != kSearchPending) {
    window_.RedrawMarks();
  } else {
    window_.UpdateCommandState();
    window_.UpdateStatusLine();
  }
  window_.RefreshListView();
  if (state == kSearchShown && options_.showAsList) {
    // Typing goes on where it was (the search box, the advanced dialog)
    // while the list follows.
    HWND focus = GetFocus();
    window_.ShowListView(kViewSearchResults);
    if (focus && IsWindow(focus) && GetFocus() != focus) {
      SetActiveWindow(GetAncestor(focus, GA_ROOT));
      SetFocus(focus);
    }
  }
}

void SearchController::InputChanged(bool advanced) {
  SetState(kSearchPending, advanced);
  // The timer belongs to the window: it goes with it when a mode switch
  // rebuilds the window, and setting it again restarts the pause.
  SetTimer(window_.Handle(), ID_CMD_DELAYED_SEARCH, kSearchDelayMs, nullptr);
}

void SearchController::TypingPaused() {
  KillTimer(window_.Handle(), ID_CMD_DELAYED_SEARCH);
  if (state_ != kSearchPending) return;
  Start(false, false, false);
  typedResult_ = state_ == kSearchShown;
}

void SearchController::EnterPressed() {
  // Auto-open happens only on an explicit search; Enter after the pause
  // is the user's first explicit request for these results.
  if (state_ == kSearchShown && typedResult_) state_ = kSearchPending;
}

bool SearchController::HoldsResultsOf(const SearchOptions& options, const std::string& term) const {
  // The date threshold moves with the clock; the days it comes from count.
  SearchOptions same = options;
  same.dateThreshold = options_.dateThreshold;
  return haveResult_ && list_ == window_.List() && term_ == term && options_ == same;
}

void SearchController::Start(bool allowAutoOpen, bool allowOtherLists, bool clearSelection) {
  typedResult_ = false;
  if (state_ == kSearchShown || state_ == kSearchHidden) {
    SetState(state_ == kSearchShown ? kSearchHidden : kSearchShown, advanced_);
    return;
  }
  BookmarkList* list = window_.List();
  if (!list) {
    SetState(kSearchNone, false);
    return;
  }
  SearchOptions options;
  std::string term;
  bool advanced =
      advanced_ && window_.AdvancedSearchVisible() && window_.AdvancedSearchInput(&options, &term);
  if (!advanced) {
    term = window_.ItemText(IDC_SEARCH_TEXT);
    // An empty search box hides the results; the advanced search may run
    // on its filters alone.
    if (term.empty()) {
      SetState(haveResult_ ? kSearchHidden : kSearchNone, false);
      return;
    }
    options = SimpleOptions(window_.UserSettings(), list->Now());
  }
  RefreshDateThreshold(&options, list->Now());
  SearchResult result = RunSearch(*list, term, options, false);
  if (result.matches == 0 && allowOtherLists && options.searchAllLists) {
    AppSearchListSource source(window_.Lists(), window_.UserSettings());
    OtherListsOutcome others;
    {
      Busy busy(&searching_);
      others = SearchOtherLists(source, term, options, false);
    }
    if (others.result == OtherListsResult::Found) {
      list = others.list;
      result = std::move(others.search);
      window_.RebuildDynamicMenus();
    }
  }
  list_ = list;
  term_ = term;
  options_ = options;
  result_ = std::move(result);
  haveResult_ = true;
  const SearchResult& found = result_;
  if (found.matches == 0) {
    MessageBeep(MB_ICONEXCLAMATION);
  } else if (!clearSelection) {
    SelectItem(*list, found.firstMatch);
  }
  window_.RefillColumns(-1, !clearSelection);
  lastStep_ = DeepestSelection(*list);
  SetState(kSearchShown, advanced);
  // Only an explicit search opens the one bookmark it found (an alias of
  // it may be among the matches too).
  if (allowAutoOpen && window_.UserSettings().HasBehaviour(kBehaviourAutoOpenUnique) &&
      found.bookmarks == 1) {
    SelectItem(*list, found.firstBookmark);
    window_.RefillColumns(-1, true);
    lastStep_ = found.firstBookmark;
    window_.RouteCommand(ID_CMD_OPEN_SELECTED);
  }
}

void SearchController::ListMayHaveChanged() {
  if (searching_ || window_.List() == list_) return;
  list_ = window_.List();
  if (state_ == kSearchShown) {
    state_ = kSearchPending;
    Start(false, false, false);
  } else if (state_ != kSearchNone) {
    SetState(kSearchNone, false);
  }
}

void SearchController::Search() {
  // The search box and the Search button search with the simple options,
  // unless a change in the advanced dialog is still waiting to be searched.
  if (state_ == kSearchNone) advanced_ = false;
  Start(true, true, false);
}

void SearchController::FindNext(int commandId) {
  BookmarkList* list = window_.List();
  if (!list) return;
  typedResult_ = false;
  if (state_ == kSearchNone || state_ == kSearchPending) {
    Start(false, true, false);
    return;
  }
  if (state_ == kSearchHidden) {
    SetState(kSearchShown, advanced_);
    return;
  }
  bool byHand = DeepestSelection(*list) != lastStep_;
  AppSearchListSource source(window_.Lists(), window_.UserSettings());
  // While the other lists are loaded and searched, a search is running.
  source.onStart = [this] { SetState(kSearchPending, advanced_); };
  FindNextOutcome step;
  {
    Busy busy(&searching_);
    step = ::FindNext(*list, result_, term_, options_, commandId == ID_CMD_FIND_PREVIOUS, byHand,
                      &source);
  }
  list_ = window_.List();
  if (state_ == kSearchPending && !step.otherList) SetState(kSearchShown, advanced_);
  if (step.index == 0) return;  // no further match: the current one stays selected
  lastStep_ = DeepestSelection(*step.list);
  window_.RefillColumns(-1, true);
  if (step.otherList) {
    window_.RebuildDynamicMenus();
    SetState(kSearchShown, advanced_);
  }
  window_.FocusItem(IDC_BOOKMARK_LIST);
}

void SearchController::MarkFound() {
  BookmarkList* list = window_.List();
  if (!list || state_ != kSearchShown || result_.matches == 0) return;
  ::MarkFound(*list);
  SetState(kSearchHidden, advanced_);
}

void SearchController::ToggleAdvancedDialog() {
  window_.ToggleAdvancedSearch(window_.ItemText(IDC_SEARCH_TEXT));
}

void SearchController::ShowAdvancedDialog() {
  window_.ShowAdvancedSearch(window_.ItemText(IDC_SEARCH_TEXT));
}
