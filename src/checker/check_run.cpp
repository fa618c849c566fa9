#include "checker/check_run.h"

#include "checker/site_address.h"
#include "list/site_status.h"

// At most 64 characters, ending in two closing parentheses.
const char kCheckerUserAgent[] = "Vellox bookmark checker (http://www.velloxsoft.example/))";
static_assert(sizeof(kCheckerUserAgent) - 1 <= 64, "the user agent is limited to 64 characters");

namespace {

ProbeOptions ProbeOptionsOf(const CheckRunOptions& options) {
  ProbeOptions probe;
  probe.userAgent = kCheckerUserAgent;
  probe.timeoutMs = options.timeoutMs;
  return probe;
}

}  // namespace

CheckRun::CheckRun(BookmarkList& list, const CheckRunOptions& options)
    : list_(list),
      listPath_(list.path),
      options_(options),
      pool_(options.jobs, ProbeOptionsOf(options), options.wake) {}

void CheckRun::StartScope(uint16_t scopeRoot) {
  scopeRoot_ = list_.IsIndex(scopeRoot) ? scopeRoot : 0;
  current_ = 0;
  taken_ = -1;
  active_ = true;
  exhausted_ = false;
  if (scopeRoot_ == 0) {
    scopeEnd_ = 0;
    total_ = list_.bookmarkCount;
    return;
  }
  scopeEnd_ = list_.SubtreeEnd(scopeRoot_, false).index;
  total_ = 0;
  for (uint16_t i = scopeRoot_; i != scopeEnd_ && i != 0; i = list_.Next(i, false))
    if (!list_.IsDeleted(i) && list_.TestFlags(i, kFlagBookmark)) ++total_;
}

bool CheckRun::Eligible(uint16_t index) const {
  if (list_.Level(index) != kLevelBookmark || list_.IsDeleted(index)) return false;
  // A whole-list run skips aliases, so that no bookmark is checked twice.
  return scopeRoot_ != 0 || (!list_.IsAlias(index) && list_.TestFlags(index, kFlagBookmark));
}

uint16_t CheckRun::CandidateAfter(uint16_t index) const {
  uint16_t i;
  if (index == 0) {
    i = scopeRoot_ != 0 ? scopeRoot_ : list_.Next(0, false);
  } else if (index == scopeEnd_) {
    return scopeEnd_;
  } else {
    i = list_.Next(index, false);
  }
  while (i != scopeEnd_ && i != 0 && !Eligible(i)) i = list_.Next(i, false);
  return i == 0 ? scopeEnd_ : i;
}

bool CheckRun::NeedsCheck(uint16_t index, BookmarkItem* target) const {
  list_.DecodeInto(index, true, target);
  if (target->url.empty() || pool_.IsChecking(target->index)) return false;
  if (target->siteStatus == kSiteNotChecked) return true;
  // An invalid address is never checked again until reset.
  if (target->siteStatus == kSiteNotValidUrl) return false;
  if (options_.recheckRecent) return true;
  return target->timeSiteChecked <= list_.Now() - kRecheckAfterSeconds;
}

std::string CheckRun::HostKey(const BookmarkItem& target) const {
  SiteAddress address;
  return SplitSiteAddress(CheckedAddress(target.url), &address) ? address.host : std::string();
}

bool CheckRun::CanTakeNext() const {
  if (!active_) return false;
  uint16_t next = CandidateAfter(current_);
  if (next == scopeEnd_) return true;  // taking it ends the run
  BookmarkItem target;
  if (!NeedsCheck(next, &target)) return true;
  return pool_.HasRoomFor(HostKey(target));
}

bool CheckRun::NextCheck() {
  if (!active_) return false;
  current_ = CandidateAfter(current_);
  if (taken_ < 0) taken_ = 0;
  if (current_ == scopeEnd_) {
    active_ = false;
    exhausted_ = true;
    return false;
  }
  ++taken_;
  CheckItem(current_);
  return true;
}

void CheckRun::CheckItem(uint16_t index) {
  BookmarkItem target;
  if (!NeedsCheck(index, &target)) return;
  const std::string host = HostKey(target);
  if (!pool_.Start(target.index, target.id, CheckedAddress(target.url), host)) return;
  target.siteStatus = kSiteChecking;
  target.timeModified = list_.Now();
  list_.Encode(target);
}

void CheckRun::Store(const CheckOutcome& outcome) {
  // The item may have been removed or replaced while its check ran.
  if (!list_.IsIndex(outcome.itemIndex)) return;
  BookmarkItem record;
  list_.DecodeInto(outcome.itemIndex, false, &record);
  if (record.id != outcome.itemId || list_.IsDeleted(outcome.itemIndex)) return;
  uint8_t status = outcome.status;
  if (status == kSiteOk && record.timeLastVisit != 0 && record.timeLastVisit < outcome.lastModified)
    status = kSiteUpdated;
  record.siteStatus = status;
  record.dateSiteUpdated = outcome.lastModified;
  record.timeSiteChecked = list_.Now();
  list_.Encode(record);
}

int CheckRun::PollCheck(std::vector<uint16_t>* stored) {
  int result = pool_.InFlight() > 0 ? kPollRunning : kPollIdle;
  CheckOutcome outcome;
  while (pool_.TakeFinished(&outcome)) {
    // A probe that cannot be made ends the run, as a failed Internet handle does.
    if (outcome.failed) active_ = false;
    Store(outcome);
    if (stored) stored->push_back(outcome.itemIndex);
    result = kPollStored;
  }
  return result;
}

bool CheckRun::Step(std::vector<uint16_t>* stored) {
  const bool storedOne = PollCheck(stored) == kPollStored;
  int taken = 0;
  for (; taken < kMaxTakenPerStep && CanTakeNext(); ++taken) NextCheck();
  return storedOne || (taken == kMaxTakenPerStep && CanTakeNext());
}
