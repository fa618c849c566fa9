// The program's lists lent to a search that goes on through the other
// configured lists: candidates are opened as the current list while the
// list the search started from waits in the second slot.
#pragma once

#include <functional>
#include <string>

#include "list/list_slots.h"
#include "search/other_lists.h"
#include "settings/settings.h"

class AppSearchListSource : public SearchListSource {
 public:
  AppSearchListSource(ListSlots& lists, Settings& settings) : lists_(lists), settings_(settings) {}

  int ListCount() const override;
  int CurrentListIndex() const override;
  bool ReleaseSecondSlot() override;
  BookmarkList* OpenCandidate(int n) override;
  void AdoptCandidate() override;
  void CloseCandidate() override;

  // Called once the other lists are about to be searched.
  std::function<void()> onStart;

 private:
  bool AskFirst() const;

  ListSlots& lists_;
  Settings& settings_;
  int original_ = -1;           // the known index of the list the search started from
  int previous_ = -1;           // the list Ctrl+Tab went back to before the search
  bool candidateOpen_ = false;  // a candidate is the current list, the original the second
};
