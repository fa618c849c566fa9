#include "search/find_next.h"

#include <utility>

FindNextOutcome FindNext(BookmarkList& list, SearchResult& result, std::string_view term,
                         const SearchOptions& options, bool backward, bool selectedByHand,
                         SearchListSource* source) {
  FindNextOutcome outcome;
  outcome.list = &list;
  uint16_t from = DeepestSelection(list);
  uint16_t next = WalkToMatch(list, from, backward);
  bool ranPastLast =
      !backward && next != 0 && next == result.firstMatch && from != 0 && !selectedByHand;
  if (next != 0 && !ranPastLast) {
    SelectItem(list, next);
    outcome.index = next;
    return outcome;
  }
  if (!options.searchAllLists || source == nullptr) return outcome;
  OtherListsOutcome found = SearchOtherLists(*source, term, options, backward);
  outcome.others = found.result;
  if (found.result != OtherListsResult::Found) return outcome;
  result = std::move(found.search);
  outcome.list = found.list;
  outcome.otherList = true;
  outcome.index = backward ? result.items.back() : result.firstMatch;
  SelectItem(*found.list, outcome.index);
  return outcome;
}
