// The result of the last site check of a bookmark (field SiteStatus).
#pragma once

#include <cstdint>

enum SiteStatus : uint8_t {
  kSiteNotChecked = 0,
  kSiteChecking = 1,
  kSiteUpdated = 2,  // shown with DateSiteUpdated after it
  kSiteOk = 3,
  kSiteMoved = 4,
  kSitePageNotFound = 5,
  kSiteServerNotFound = 6,
  kSiteServerError = 7,
  kSiteNotValidUrl = 8,
  kSiteUnknown = 9,
};

// The text shown for a status; values above 9 show as "Unknown".
const char* SiteStatusText(uint8_t status);
