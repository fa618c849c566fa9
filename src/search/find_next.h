// Find Next / Find Previous while results are shown: one step from the
// selection to the next match, on into the other lists when the open list
// has no further match and the options ask for it.
#pragma once

#include <cstdint>
#include <string_view>

#include "list/bookmark_list.h"
#include "search/other_lists.h"
#include "search/search_engine.h"
#include "search/search_options.h"

struct FindNextOutcome {
  uint16_t index = 0;            // the match now selected; 0 = none, nothing changed
  BookmarkList* list = nullptr;  // the current list afterwards
  bool otherList = false;        // another list became current
  OtherListsResult others = OtherListsResult::NotFound;  // when other lists were tried
};

// Steps from the deepest selection (the start of the list when nothing is
// selected) to the next match, or the previous one going backward, and
// selects it. Going forward, arriving at the first match means the last
// match was passed, unless the user selected an item by hand since the
// last step (selectedByHand) or nothing was selected. Then, with
// options.searchAllLists and a source, the other lists are searched in the
// same direction; the first with matches becomes current, `result` becomes
// its result and its first match (its last, going backward) is selected.
FindNextOutcome FindNext(BookmarkList& list, SearchResult& result, std::string_view term,
                         const SearchOptions& options, bool backward, bool selectedByHand,
                         SearchListSource* source);
