// What the main window remembers of the search between commands: its
// state, the last search's term, options and result, and the time of the
// last change typed (search-as-you-type waits for a pause).
#pragma once

#include <cstdint>
#include <string>

#include "search/search_engine.h"
#include "search/search_options.h"

// searchState values.
constexpr int kSearchNone = 0;
constexpr int kSearchPending = 1;  // typed or changed, not yet searched
constexpr int kSearchShown = 2;    // results shown
constexpr int kSearchHidden = 3;   // results hidden, to be shown again

// Typing searches this long after the last change.
constexpr uint32_t kSearchDelayMs = 400;

struct SearchSession {
  bool advanced = false;       // the advanced dialog's options and term are active
  bool highlighted = false;    // results shown by highlighting (colour 7 for the rest)
  bool haveResult = false;     // a search ran in this window
  bool delayPosted = false;    // a delayed-search command is on its way
  bool searching = false;      // other lists are being opened for a search
  const void* list = nullptr;  // the list the state belongs to
  uint32_t lastChange = 0;     // tick count of the last change
  uint16_t lastStep = 0;       // the item the last search or step selected
  std::string term;            // the last search's term
  SearchOptions options;       // the options it ran with
  SearchResult result;         // and what it found
};
