// Running a check run to its end on a thread without a message loop (the
// command-line tool, tests, benchmarks): the workers' wake-ups end each
// wait, so nothing polls on a timer.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "checker/check_pool.h"
#include "checker/check_run.h"

class CheckWaiter {
 public:
  CheckWaiter();
  // For CheckRunOptions::wake. Shares the waiter's state, so a worker of an
  // abandoned run may still call it after the waiter is gone.
  CheckPool::WakeFunction WakeFunction() const;
  // Returns after a wake-up since the last call, or after maxMilliseconds.
  void Wait(uint32_t maxMilliseconds);

 private:
  struct State;
  std::shared_ptr<State> state_;
};

// Steps run until every check of its scope is stored (or it was paused or
// cancelled and nothing is in flight), appending the stored items' indices
// to stored. run must have been made with waiter's WakeFunction.
void RunChecksToEnd(CheckRun& run, CheckWaiter& waiter, std::vector<uint16_t>* stored);
