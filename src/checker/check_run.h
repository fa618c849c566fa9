// A check run over one open list: the scope, the walk through it, the
// storing of results. Everything here runs on the thread that owns the
// list; the requests run in the CheckPool's workers, which never touch the
// list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checker/check_pool.h"
#include "list/bookmark_list.h"

// The user agent of every request.
extern const char kCheckerUserAgent[];

struct CheckRunOptions {
  int jobs = 8;                // "Simultaneous checks"; 1 checks one bookmark at a time
  uint32_t timeoutMs = 5000;   // per request
  bool recheckRecent = false;  // also bookmarks checked within the last hour
  // Called on a worker's thread when its result is ready (see CheckPool).
  CheckPool::WakeFunction wake;
};

// PollCheck results.
constexpr int kPollIdle = 0;
constexpr int kPollRunning = 1;
constexpr int kPollStored = 4;

constexpr uint32_t kRecheckAfterSeconds = 3600;
// Bookmarks taken in one idle step at most, so that a long stretch of
// bookmarks that need no check does not hold up the user interface.
constexpr int kMaxTakenPerStep = 200;

class CheckRun {
 public:
  // list must outlive the run, or the run must be dropped first; running
  // checks of a dropped run are abandoned safely.
  CheckRun(BookmarkList& list, const CheckRunOptions& options);

  // The whole list for 0, else the subtree of scopeRoot (an item alone
  // when it is a bookmark); the run becomes active.
  void StartScope(uint16_t scopeRoot);
  // Takes the next bookmark of the scope (skipping aliases in a whole-list
  // run and deleted items), counts it as taken and starts its check when it
  // needs one. False once the scope is exhausted, which ends the run, or
  // while the run is not active. The caller makes sure a job is free
  // (CanTakeNext).
  bool NextCheck();
  // True while active and the next bookmark can be taken now (its check,
  // if it needs one, has a free job within the per-host limit).
  bool CanTakeNext() const;
  // Stores every finished check: kPollStored when one was stored (its item
  // index appended to stored), else kPollRunning or kPollIdle.
  int PollCheck(std::vector<uint16_t>* stored);
  // PollCheck, then NextCheck while bookmarks can be taken. True when more
  // idle work is wanted at once (a result was stored, or more bookmarks can
  // be taken); a check that is still running calls wake when it ends.
  bool Step(std::vector<uint16_t>* stored);

  // Pause and resume: only while active or paused before the end.
  bool CanToggle() const { return active_ || !exhausted_; }
  void SetActive(bool active) { active_ = active && !exhausted_; }
  void Cancel() { active_ = false; }

  bool Active() const { return active_; }
  bool Exhausted() const { return exhausted_; }
  // The scope is exhausted and every started check is stored.
  bool Finished() const { return exhausted_ && pool_.InFlight() == 0; }
  bool AnyRunning() const { return pool_.Running() > 0; }
  bool AnyInFlight() const { return pool_.InFlight() > 0; }
  uint16_t Current() const { return current_; }
  // Bookmarks finished: taken and not in flight (-1 before the first is
  // taken). With one job this is the count that a one-at-a-time run
  // shows: the bookmarks before the one being checked.
  int Done() const { return taken_ < 0 ? -1 : taken_ - static_cast<int>(pool_.InFlight()); }
  // Bookmarks taken from the scope so far.
  int Taken() const { return taken_ < 0 ? 0 : taken_; }
  uint32_t Total() const { return total_; }
  uint16_t ScopeRoot() const { return scopeRoot_; }
  uint16_t ScopeEnd() const { return scopeEnd_; }
  BookmarkList& List() const { return list_; }
  // The list's file when the run was made.
  const std::string& ListPath() const { return listPath_; }

 private:
  bool Eligible(uint16_t index) const;
  uint16_t CandidateAfter(uint16_t index) const;
  // The target record to check, or false when the item needs no check now.
  bool NeedsCheck(uint16_t index, BookmarkItem* target) const;
  std::string HostKey(const BookmarkItem& target) const;
  void CheckItem(uint16_t index);
  void Store(const CheckOutcome& outcome);

  BookmarkList& list_;
  std::string listPath_;
  CheckRunOptions options_;
  CheckPool pool_;
  uint16_t scopeRoot_ = 0;
  uint16_t scopeEnd_ = 0;
  uint16_t current_ = 0;
  int taken_ = -1;  // -1 before the first
  uint32_t total_ = 0;
  bool active_ = false;
  bool exhausted_ = true;
};
