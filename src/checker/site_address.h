// The parts of a bookmark's address that the site checker needs.
#pragma once

#include <string>

struct SiteAddress {
  bool https = false;
  std::string host;  // lower case, without port and user information
  int port = 0;      // 80 or 443 when the address names none
  std::string path;  // from the first "/" on (query included); "/" when empty
};

// Splits an http or https address (scheme in any case). False for any
// other scheme, a missing host or a bad port.
bool SplitSiteAddress(const std::string& url, SiteAddress* out);

// The address as it is checked: every QuickSearch marker "<vx:prompt/>"
// removed.
std::string CheckedAddress(const std::string& url);
