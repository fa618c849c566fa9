#include "ui/search_list_source.h"

#include <utility>

#include "list/list_save.h"
#include "platform/platform.h"

namespace {

// Closes the list in the second slot (its save step has been offered).
void DropSecondSlot(ListSlots& lists) {
  if (lists.markHoldingList) CloseList(*lists.markHoldingList, true, &lists.Host());
  lists.markHoldingList.reset();
  lists.markHoldingListIndex = -1;
}

}  // namespace

bool AppSearchListSource::AskFirst() const {
  return settings_.HasBehaviour(kBehaviourAskBeforeSaving);
}

int AppSearchListSource::ListCount() const { return static_cast<int>(settings_.lists.size()); }

int AppSearchListSource::CurrentListIndex() const { return lists_.currentListIndex; }

bool AppSearchListSource::ReleaseSecondSlot() {
  if (onStart) onStart();
  ListSlots& lists = lists_;
  original_ = lists.currentListIndex;
  previous_ = lists.previousListIndex;
  candidateOpen_ = false;
  if (!lists.markHoldingList) return true;
  if (!lists.SaveListStep(*lists.markHoldingList, lists.markHoldingListIndex, false, AskFirst(),
                          false))
    return false;
  DropSecondSlot(lists);
  return true;
}

BookmarkList* AppSearchListSource::OpenCandidate(int n) {
  if (n < 0 || n >= ListCount()) return nullptr;
  // A configured list whose file is gone is skipped, not offered for creation.
  const std::string& path = settings_.lists[static_cast<size_t>(n)].path;
  if (!platform::FileExists(path.c_str())) return nullptr;
  // The first candidate pushes the original list into the second slot; each
  // later one replaces the candidate before it (which holds no marks, so
  // the original stays where it is).
  if (!lists_.OpenList(path, n, 0, !candidateOpen_)) return nullptr;
  candidateOpen_ = true;
  return lists_.currentList.get();
}

void AppSearchListSource::AdoptCandidate() {
  ListSlots& lists = lists_;
  // Ctrl+Tab goes back to the list the search started from, not to a list
  // it only looked through.
  lists.previousListIndex = original_;
  // The original list is left as a switch of lists leaves it: kept while it
  // holds marks, else offered for saving and closed (kept when the user
  // cancels, so nothing is lost).
  if (!lists.markHoldingList || HasMarkedItems(*lists.markHoldingList)) return;
  if (!lists.SaveListStep(*lists.markHoldingList, lists.markHoldingListIndex, false, AskFirst(),
                          false))
    return;
  DropSecondSlot(lists);
  lists_.Host().ListsChanged();
}

void AppSearchListSource::CloseCandidate() {
  if (!candidateOpen_) return;
  ListSlots& lists = lists_;
  std::swap(lists.currentList, lists.markHoldingList);
  std::swap(lists.currentListIndex, lists.markHoldingListIndex);
  if (original_ >= 0) settings_.currentListIndex = original_;
  lists.previousListIndex = previous_;
  DropSecondSlot(lists);
  candidateOpen_ = false;
  lists_.Host().ListsChanged();
}
