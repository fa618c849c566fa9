// The main window's side of the search, owned by the main window: the
// search state and the refreshes it triggers, search-as-you-type (a timer
// on the main window waits for the typing pause), the Search button
// (Ctrl+F, Enter), Find Next / Previous across lists, "Mark found" and the
// advanced search dialog's commands. What it remembers between commands:
// the last search's term, options and result.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "search/search_engine.h"
#include "search/search_options.h"

class MainWindow;

// The search states.
constexpr int kSearchNone = 0;
constexpr int kSearchPending = 1;  // typed or changed, not yet searched
constexpr int kSearchShown = 2;    // results shown
constexpr int kSearchHidden = 3;   // results hidden, to be shown again

// Typing searches this long after the last change.
constexpr uint32_t kSearchDelayMs = 400;

class SearchController {
 public:
  explicit SearchController(MainWindow& window) : window_(window) {}
  SearchController(const SearchController&) = delete;
  SearchController& operator=(const SearchController&) = delete;

  int State() const { return state_; }
  // Changing the state refreshes the colours of the lines, the Search
  // button, the status line, the command state and the List View.
  void SetState(int state, bool advanced);
  // The Search button, Enter, Ctrl+F and the search after the typing pause.
  void Start(bool allowAutoOpen, bool allowOtherLists, bool clearSelection);
  // A change of the search box or of an advanced option: the search runs
  // once the typing pauses for kSearchDelayMs (each change starts the
  // main window's timer ID_CMD_DELAYED_SEARCH again).
  void InputChanged(bool advanced);
  // The typing paused: a change still waiting is searched.
  void TypingPaused();
  // Enter in the search box, before the Search command it leads to: on
  // results that the typing pause brought (the text unchanged since), the
  // command searches again as an explicit search (auto-open, other lists)
  // instead of hiding them.
  void EnterPressed();
  // True when the results shown or hidden are those of this term and
  // these options (the advanced dialog's Search then hides or shows them).
  bool HoldsResultsOf(const SearchOptions& options, const std::string& term) const;
  // Lines that are no match are drawn in colour 7.
  bool HighlightingMatches() const { return highlighted_; }
  // "Matches found: ..." for the status line.
  std::string StatusText() const;
  // After the current list may have been replaced (switched, opened,
  // reverted): results shown are searched for again in the new list, any
  // other search state is dropped.
  void ListMayHaveChanged();

  // The commands: Ctrl+F (the Search button, Enter), Find Next or Find
  // Previous (the command id tells), "Mark found".
  void Search();
  void FindNext(int commandId);
  void MarkFound();
  // The advanced search dialog with the search box's text: Ctrl+Shift+F
  // toggles it, a right-click on the Search button shows it.
  void ToggleAdvancedDialog();
  void ShowAdvancedDialog();

 private:
  MainWindow& window_;
  int state_ = kSearchNone;
  bool advanced_ = false;       // the advanced dialog's options and term are active
  bool highlighted_ = false;    // results shown by highlighting (colour 7 for the rest)
  bool haveResult_ = false;     // a search ran in this window
  bool searching_ = false;      // other lists are being opened for a search
  bool typedResult_ = false;    // the results shown came from the typing pause
  const void* list_ = nullptr;  // the list the state belongs to
  uint16_t lastStep_ = 0;       // the item the last search or step selected
  std::string term_;            // the last search's term
  SearchOptions options_;       // the options it ran with
  SearchResult result_;         // and what it found
};
