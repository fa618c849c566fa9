// The checks in flight: a fixed number of jobs, each run on a thread of its
// own, with at most kMaxChecksPerHost at a time for one host name.
//
// Threads: a worker touches only its own job. It writes status and
// lastModified first and the state word last; the user-interface thread
// reads a job only after seeing state kJobReady or kJobFailed, and reuses
// it only after taking its result. No lock is used.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "checker/site_probe.h"

constexpr uint32_t kJobIdle = 0;
constexpr uint32_t kJobRunning = 1;
constexpr uint32_t kJobReady = 2;
constexpr uint32_t kJobFailed = 3;  // no probe could be made: the run stops

constexpr int kMaxChecksPerHost = 4;

struct CheckJob {
  std::atomic<uint32_t> state{kJobIdle};
  uint16_t itemIndex = 0;  // the bookmark's own record (an alias's target)
  uint32_t itemId = 0;     // its ID, so that a result never lands on another item
  std::string url;
  std::string host;  // the per-host limit's key; empty for no limit
  uint8_t status = 0;
  uint32_t lastModified = 0;
};

// A finished check as the user-interface thread takes it.
struct CheckOutcome {
  uint16_t itemIndex = 0;
  uint32_t itemId = 0;
  bool failed = false;  // kJobFailed
  uint8_t status = 0;
  uint32_t lastModified = 0;
};

class CheckPool {
 public:
  // Called by a worker right after its job's state turned ready or failed,
  // on the worker's thread (the program posts a message to wake its loop).
  using WakeFunction = std::function<void()>;
  // jobs is clamped to 1..kMaxJobs.
  CheckPool(int jobs, const ProbeOptions& options, WakeFunction wake = nullptr);
  // Running checks are abandoned: their threads finish on their own and
  // their results are dropped.
  ~CheckPool();
  CheckPool(const CheckPool&) = delete;
  CheckPool& operator=(const CheckPool&) = delete;

  static constexpr int kMaxJobs = 64;

  // True when a job is free and host (empty: no limit) has fewer than
  // kMaxChecksPerHost checks in flight.
  bool HasRoomFor(const std::string& host) const;
  // Starts a check on a free job; false when there is no room.
  bool Start(uint16_t itemIndex, uint32_t itemId, const std::string& url, const std::string& host);
  // Takes one finished check's result, freeing its job; false when none.
  bool TakeFinished(CheckOutcome* out);
  // Jobs started and not yet taken (running or with a result waiting).
  size_t InFlight() const;
  // Jobs whose worker has not finished yet.
  size_t Running() const;
  bool IsChecking(uint16_t itemIndex) const;

 private:
  ProbeOptions options_;
  WakeFunction wake_;
  std::vector<std::shared_ptr<CheckJob>> jobs_;
};
