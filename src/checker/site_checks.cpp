#include "checker/site_checks.h"

#include <algorithm>

CheckRun& SiteChecks::RunFor(BookmarkList& list, const CheckRunOptions& options) {
  if (CheckRun* run = Find(&list)) return *run;
  runs_.push_back(std::make_unique<CheckRun>(list, options));
  return *runs_.back();
}

CheckRun* SiteChecks::Find(const BookmarkList* list) {
  for (auto& run : runs_)
    if (&run->List() == list) return run.get();
  return nullptr;
}

void SiteChecks::KeepOnly(const BookmarkList* first, const BookmarkList* second) {
  runs_.erase(std::remove_if(runs_.begin(), runs_.end(),
                             [&](const std::unique_ptr<CheckRun>& run) {
                               const BookmarkList* list = &run->List();
                               return (list != first && list != second) ||
                                      list->path != run->ListPath();
                             }),
              runs_.end());
}

bool SiteChecks::AnyRunning(const BookmarkList& list) const {
  return std::any_of(runs_.begin(), runs_.end(), [&](const std::unique_ptr<CheckRun>& run) {
    return &run->List() == &list && run->AnyRunning();
  });
}
