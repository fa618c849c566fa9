// The program's lists lent to a search that goes on through the other
// configured lists: candidates are opened as the current list while the
// list the search started from waits in the second slot.
#pragma once

#include <functional>
#include <string>

#include "search/other_lists.h"

class AppSearchListSource : public SearchListSource {
 public:
  int ListCount() const override;
  int CurrentListIndex() const override;
  bool ReleaseSecondSlot() override;
  BookmarkList* OpenCandidate(int n) override;
  void AdoptCandidate() override;
  void CloseCandidate() override;

  // Called once the other lists are about to be searched.
  std::function<void()> onStart;

 private:
  int original_ = -1;           // the known index of the list the search started from
  int previous_ = -1;           // the list Ctrl+Tab went back to before the search
  bool candidateOpen_ = false;  // a candidate is the current list, the original the second
};
