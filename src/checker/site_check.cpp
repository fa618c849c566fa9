#include "checker/site_check.h"

#include <chrono>
#include <thread>

#include "checker/site_address.h"
#include "list/site_status.h"

namespace {

constexpr int kTransientRetryDelayMs = 1000;
constexpr int kLongestRetryAfterSeconds = 10;
constexpr int kTooManyRequests = 429;

void Wait(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool IsTransient(const ProbeAnswer& answer) {
  return answer.outcome == ProbeOutcome::kConnectionReset ||
         answer.outcome == ProbeOutcome::kTimedOut;
}

// Answers to HEAD that many servers give while serving the page to GET.
bool HeadRefusedButGetMayServe(int code) {
  switch (code) {
    case 403:
    case 404:
    case 405:
    case 410:
    case 500:
    case 501:
      return true;
    default:
      return false;
  }
}

ProbeAnswer AskOnceMore(SiteProbe& probe, const std::string& url, ProbeVerb verb) {
  ProbeAnswer answer = probe.Ask(url, verb);
  if (IsTransient(answer)) {
    Wait(kTransientRetryDelayMs);
    answer = probe.Ask(url, verb);
  }
  if (answer.outcome == ProbeOutcome::kAnswered && answer.code == kTooManyRequests &&
      answer.retryAfter >= 0 && answer.retryAfter <= kLongestRetryAfterSeconds) {
    Wait(answer.retryAfter * 1000);
    answer = probe.Ask(url, verb);
  }
  return answer;
}

}  // namespace

uint8_t ClassifyAnswer(const ProbeAnswer& answer, SiteProbe& probe, const std::string& url) {
  switch (answer.outcome) {
    case ProbeOutcome::kAnswered:
      break;
    case ProbeOutcome::kNotHttp:
      return kSiteNotValidUrl;
    case ProbeOutcome::kCannotConnect:
      return kSiteNotChecked;
    case ProbeOutcome::kConnectionReset:
    case ProbeOutcome::kNameNotResolved:
      return kSiteServerNotFound;
    case ProbeOutcome::kTimedOut:
    case ProbeOutcome::kOtherError:
      return kSiteUnknown;
  }
  const int code = answer.code;
  if (code == 301) return kSiteMoved;
  if (code >= 200 && code <= 399) return kSiteOk;
  if (code == 404 || code == 410) return kSitePageNotFound;
  if (code == 500) return probe.HostResolves(url) ? kSiteServerError : kSiteServerNotFound;
  return kSiteUnknown;
}

SiteCheckResult CheckSite(SiteProbe& probe, const std::string& url) {
  SiteCheckResult result;
  SiteAddress address;
  if (!SplitSiteAddress(url, &address)) {
    result.status = kSiteNotValidUrl;
    return result;
  }
  ProbeAnswer answer = AskOnceMore(probe, url, ProbeVerb::kHead);
  if (answer.outcome == ProbeOutcome::kAnswered && HeadRefusedButGetMayServe(answer.code))
    answer = AskOnceMore(probe, url, ProbeVerb::kGet);
  result.status = ClassifyAnswer(answer, probe, url);
  if (result.status == kSiteOk) result.lastModified = answer.lastModified;
  return result;
}
