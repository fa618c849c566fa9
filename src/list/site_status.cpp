#include "list/site_status.h"

const char* SiteStatusText(uint8_t status) {
  static const char* const kTexts[] = {
      "Not checked",      "Checking",     "Updated",         "OK",     "Moved", "Page not found",
      "Server not found", "Server error", "Not a valid URL", "Unknown"};
  return status < sizeof kTexts / sizeof kTexts[0] ? kTexts[status] : kTexts[kSiteUnknown];
}
