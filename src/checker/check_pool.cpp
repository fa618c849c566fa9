#include "checker/check_pool.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "checker/site_check.h"

namespace {

void RunCheck(std::shared_ptr<CheckJob> job, ProbeOptions options, CheckPool::WakeFunction wake) {
  std::unique_ptr<SiteProbe> probe = MakeSiteProbe(options);
  if (probe) {
    SiteCheckResult result = CheckSite(*probe, job->url);
    job->status = result.status;
    job->lastModified = result.lastModified;
  }
  job->state.store(probe ? kJobReady : kJobFailed, std::memory_order_release);  // written last
  if (wake) wake();
}

}  // namespace

CheckPool::CheckPool(int jobs, const ProbeOptions& options, WakeFunction wake)
    : options_(options), wake_(std::move(wake)) {
  const int count = std::clamp(jobs, 1, kMaxJobs);
  for (int i = 0; i < count; ++i) jobs_.push_back(std::make_shared<CheckJob>());
}

CheckPool::~CheckPool() = default;  // each worker holds its own job alive

bool CheckPool::HasRoomFor(const std::string& host) const {
  bool freeJob = false;
  int sameHost = 0;
  for (const auto& job : jobs_) {
    if (job->state.load(std::memory_order_acquire) == kJobIdle) {
      freeJob = true;
    } else if (!host.empty() && job->host == host) {
      ++sameHost;
    }
  }
  return freeJob && sameHost < kMaxChecksPerHost;
}

bool CheckPool::Start(uint16_t itemIndex, uint32_t itemId, const std::string& url,
                      const std::string& host) {
  if (!HasRoomFor(host)) return false;
  for (auto& job : jobs_) {
    if (job->state.load(std::memory_order_acquire) != kJobIdle) continue;
    job->itemIndex = itemIndex;
    job->itemId = itemId;
    job->url = url;
    job->host = host;
    job->status = 0;
    job->lastModified = 0;
    job->state.store(kJobRunning, std::memory_order_release);
    std::thread(RunCheck, job, options_, wake_).detach();
    return true;
  }
  return false;
}

bool CheckPool::TakeFinished(CheckOutcome* out) {
  for (auto& job : jobs_) {
    uint32_t state = job->state.load(std::memory_order_acquire);
    if (state != kJobReady && state != kJobFailed) continue;
    out->itemIndex = job->itemIndex;
    out->itemId = job->itemId;
    out->failed = state == kJobFailed;
    out->status = job->status;
    out->lastModified = job->lastModified;
    job->host.clear();
    job->state.store(kJobIdle, std::memory_order_release);
    return true;
  }
  return false;
}

size_t CheckPool::InFlight() const {
  return static_cast<size_t>(std::count_if(jobs_.begin(), jobs_.end(), [](const auto& job) {
    return job->state.load(std::memory_order_acquire) != kJobIdle;
  }));
}

size_t CheckPool::Running() const {
  return static_cast<size_t>(std::count_if(jobs_.begin(), jobs_.end(), [](const auto& job) {
    return job->state.load(std::memory_order_acquire) == kJobRunning;
  }));
}

bool CheckPool::IsChecking(uint16_t itemIndex) const {
  return std::any_of(jobs_.begin(), jobs_.end(), [itemIndex](const auto& job) {
    return job->state.load(std::memory_order_acquire) != kJobIdle && job->itemIndex == itemIndex;
  });
}
