#include "checker/site_address.h"

#include <cctype>
#include <cstdlib>

namespace {

constexpr char kPromptMarker[] = "<vx:prompt/>";

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  size_t i = 0;
  for (; prefix[i] != '\0'; ++i) {
    if (i >= text.size()) return false;
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

}  // namespace

bool SplitSiteAddress(const std::string& url, SiteAddress* out) {
  SiteAddress a;
  size_t rest;
  if (StartsWithNoCase(url, "http://")) {
    rest = 7;
  } else if (StartsWithNoCase(url, "https://")) {
    a.https = true;
    rest = 8;
  } else {
    return false;
  }
  size_t end = url.find_first_of("/?#", rest);
  std::string authority =
      url.substr(rest, end == std::string::npos ? std::string::npos : end - rest);
  size_t at = authority.rfind('@');
  if (at != std::string::npos) authority.erase(0, at + 1);
  a.port = a.https ? 443 : 80;
  size_t colon = authority.rfind(':');
  if (colon != std::string::npos && authority.find(']', colon) == std::string::npos) {
    std::string digits = authority.substr(colon + 1);
    authority.erase(colon);
    if (!digits.empty()) {
      char* stop = nullptr;
      long port = std::strtol(digits.c_str(), &stop, 10);
      if (*stop != '\0' || port <= 0 || port > 65535) return false;
      a.port = static_cast<int>(port);
    }
  }
  if (authority.empty()) return false;
  for (char& c : authority) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  a.host = authority;
  a.path = end == std::string::npos ? "/" : url.substr(end);
  if (a.path[0] != '/') a.path.insert(0, "/");
  size_t hash = a.path.find('#');
  if (hash != std::string::npos) a.path.erase(hash);
  *out = a;
  return true;
}

std::string CheckedAddress(const std::string& url) {
  std::string result = url;
  const size_t length = sizeof(kPromptMarker) - 1;
  for (size_t at = result.find(kPromptMarker); at != std::string::npos;
       at = result.find(kPromptMarker, at))
    result.erase(at, length);
  return result;
}
