#include "checker/check_waiter.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

// A lost wake-up costs at most this long.
constexpr uint32_t kLongestWaitMs = 1000;

}  // namespace

struct CheckWaiter::State {
  std::mutex mutex;
  std::condition_variable woken;
  uint64_t wakes = 0;
  uint64_t seen = 0;
};

CheckWaiter::CheckWaiter() : state_(std::make_shared<State>()) {}

CheckPool::WakeFunction CheckWaiter::WakeFunction() const {
  std::shared_ptr<State> state = state_;
  return [state] {
    std::lock_guard<std::mutex> hold(state->mutex);
    ++state->wakes;
    state->woken.notify_all();
  };
}

void CheckWaiter::Wait(uint32_t maxMilliseconds) {
  std::unique_lock<std::mutex> hold(state_->mutex);
  state_->woken.wait_for(hold, std::chrono::milliseconds(maxMilliseconds),
                         [this] { return state_->wakes != state_->seen; });
  state_->seen = state_->wakes;
}

void RunChecksToEnd(CheckRun& run, CheckWaiter& waiter, std::vector<uint16_t>* stored) {
  for (;;) {
    if (run.Step(stored)) continue;
    if (!run.AnyInFlight() && (run.Exhausted() || !run.Active())) return;
    waiter.Wait(kLongestWaitMs);
  }
}
