// The check runs of the open lists: at most one per list, made on the first
// check of that list and kept while the list stays open, so that a new
// scope on the same list still stores the checks already in flight.
#pragma once

#include <memory>
#include <vector>

#include "checker/check_run.h"

class SiteChecks {
 public:
  // The run of list; made with options when the list has none.
  CheckRun& RunFor(BookmarkList& list, const CheckRunOptions& options);
  // The run of list, or null.
  CheckRun* Find(const BookmarkList* list);
  // Drops the runs of every list other than first and second (the lists
  // still open), and of a list object now holding another file: their
  // running checks are abandoned, nothing is written.
  void KeepOnly(const BookmarkList* first, const BookmarkList* second);
  // True while a check of list runs (its worker has not finished).
  bool AnyRunning(const BookmarkList& list) const;

 private:
  std::vector<std::unique_ptr<CheckRun>> runs_;
};
