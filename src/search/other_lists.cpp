#include "search/other_lists.h"

#include <utility>

OtherListsOutcome SearchOtherLists(SearchListSource& source, std::string_view term,
                                   const SearchOptions& options, bool backward) {
  OtherListsOutcome outcome;
  int count = source.ListCount();
  if (count < 2) return outcome;
  if (!source.ReleaseSecondSlot()) {
    outcome.result = OtherListsResult::Cancelled;
    return outcome;
  }
  int current = source.CurrentListIndex();
  // An open list that is not in the menu: every configured list is "other",
  // starting from the first (the last going backward).
  int others = current < 0 ? count : count - 1;
  if (current < 0) current = backward ? count : -1;
  bool opened = false;
  for (int step = 1; step <= others; ++step) {
    int n = ((current + (backward ? -step : step)) % count + count) % count;
    BookmarkList* list = source.OpenCandidate(n);
    if (list == nullptr) continue;
    opened = true;
    SearchResult found = RunSearch(*list, term, options, false);
    if (found.matches == 0) continue;
    source.AdoptCandidate();
    outcome.result = OtherListsResult::Found;
    outcome.listIndex = n;
    outcome.list = list;
    outcome.search = std::move(found);
    return outcome;
  }
  if (opened) source.CloseCandidate();
  return outcome;
}
