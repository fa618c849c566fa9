// Going on with a search through the other configured lists, when the open
// list has no (further) match. The application owns the lists and their
// slots; it lends them to the search through SearchListSource.
#pragma once

#include <string_view>

#include "list/bookmark_list.h"
#include "search/search_engine.h"
#include "search/search_options.h"

class SearchListSource {
 public:
  virtual ~SearchListSource() = default;
  // The configured lists in List menu order, and the place of the open
  // list among them (-1 when it is not one of them).
  virtual int ListCount() const = 0;
  virtual int CurrentListIndex() const = 0;
  // Offers to save the list that holds marks from another list and closes
  // it, freeing the second slot. False when the user cancels.
  virtual bool ReleaseSecondSlot() = 0;
  // Opens configured list n in the second slot (closing what the slot held
  // before) while the current list stays open. nullptr when it cannot be
  // opened; the search then goes on with the next one.
  virtual BookmarkList* OpenCandidate(int n) = 0;
  // The list in the second slot becomes the current list (the List menu and
  // the title are rebuilt); the old current list is closed as a switch of
  // lists closes it (saved when modified).
  virtual void AdoptCandidate() = 0;
  // Closes the list in the second slot; the current list stays current.
  virtual void CloseCandidate() = 0;
};

enum class OtherListsResult : int {
  Found = 0,       // a list with matches is now the current list
  NotFound = -1,   // no other list has a match (or there is none to search)
  Cancelled = -2,  // the user kept the list holding marks
};

struct OtherListsOutcome {
  OtherListsResult result = OtherListsResult::NotFound;
  int listIndex = -1;            // the list that became current
  BookmarkList* list = nullptr;  // that list, now current
  SearchResult search;           // its search result (nothing selected)
};

// Searches the other lists one after another, forward or backward through
// the List menu order and wrapping at the end, with the same term and
// options; the first with matches becomes current. Needs two or more
// configured lists.
OtherListsOutcome SearchOtherLists(SearchListSource& source, std::string_view term,
                                   const SearchOptions& options, bool backward);
