#include "browser/quick_search.h"

#include <boost/regex.hpp>

#include "browser/open_ports.h"

namespace browser {

namespace {

constexpr char kPlainPlaceholder[] = "<vx:prompt/>";
const boost::regex& LabelledPlaceholder() {
  static const boost::regex pattern("\\{\\{prompt:?(.*?)\\}\\}", boost::regex::perl);
  return pattern;
}

}  // namespace

QuickSearchPlaceholder FindQuickSearchPlaceholder(const std::string& address,
                                                  const std::string& title) {
  QuickSearchPlaceholder found;
  size_t plain = address.find(kPlainPlaceholder);
  if (plain != std::string::npos) {
    found.found = true;
    found.position = plain;
    found.length = sizeof kPlainPlaceholder - 1;
  } else {
    boost::smatch match;
    if (!boost::regex_search(address, match, LabelledPlaceholder())) return found;
    found.found = true;
    // The first occurrence of the matched text gives the place.
    found.position = address.find(match.str(0));
    found.length = static_cast<size_t>(match.length(0));
    if (match.length(1) > 0) found.prompt = "Enter text for " + match.str(1);
  }
  if (found.prompt.empty() && !title.empty()) found.prompt = "QuickSearch: " + title;
  return found;
}

std::string ReplaceQuickSearchPlaceholder(const std::string& address,
                                          const QuickSearchPlaceholder& placeholder,
                                          const std::string& escapedText) {
  return address.substr(0, placeholder.position) + escapedText +
         address.substr(placeholder.position + placeholder.length);
}

bool ExpandQuickSearch(const std::string& address, const std::string& title, OpenHost& host,
                       OpenSystem& system, std::string* expanded) {
  QuickSearchPlaceholder placeholder = FindQuickSearchPlaceholder(address, title);
  if (!placeholder.found) {
    *expanded = address;
    return true;
  }
  std::string text;
  if (!host.AskQuickSearchText(placeholder.prompt, &text)) return false;
  *expanded = ReplaceQuickSearchPlaceholder(address, placeholder, system.EscapeUrlText(text));
  return true;
}

}  // namespace browser
