// One bookmark's check from start to end, on a worker thread: the requests
// through a probe, the second tries, and the classification of the answer
// into a SiteStatus value.
#pragma once

#include <cstdint>
#include <string>

#include "checker/site_probe.h"

struct SiteCheckResult {
  uint8_t status = 0;         // a SiteStatus value
  uint32_t lastModified = 0;  // the page's Last-Modified for status "OK"; 0 = unknown
};

// The status of one answer: 301 "Moved", other 200-399 "OK", 404/410
// "Page not found", 500 "Server error" while the host resolves (else
// "Server not found"), a refused connection "Not checked", a reset or an
// unknown host "Server not found", not http/https "Not a valid URL", the
// rest "Unknown".
uint8_t ClassifyAnswer(const ProbeAnswer& answer, SiteProbe& probe, const std::string& url);

// Checks url (already without QuickSearch markers) with HEAD, with the
// second tries that keep pages that open in a browser from being reported
// broken:
//  - HEAD answered 403, 404, 405, 410, 500 or 501: asked again with GET,
//    whose answer decides (such servers serve the page to every browser);
//  - 429 with a Retry-After of at most 10 seconds: asked again once after
//    that wait;
//  - a reset connection or a time-out: tried once more after a second.
// Blocks for the requests and waits; touches nothing but the probe.
SiteCheckResult CheckSite(SiteProbe& probe, const std::string& url);
