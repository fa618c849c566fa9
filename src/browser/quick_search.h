// QuickSearch addresses: a placeholder in a bookmark's address stands for
// a search term that the user types when the bookmark is opened.
#pragma once

#include <cstddef>
#include <string>

namespace browser {

class OpenHost;
class OpenSystem;

struct QuickSearchPlaceholder {
  bool found = false;
  size_t position = 0;
  size_t length = 0;
  std::string prompt;  // "" when the dialog keeps its own caption
};

// The first placeholder of address: "<vx:prompt/>", else the first
// "{{prompt...}}" (case-sensitive), with the prompt shown for it.
QuickSearchPlaceholder FindQuickSearchPlaceholder(const std::string& address,
                                                  const std::string& title);

// address with the placeholder replaced by escapedText.
std::string ReplaceQuickSearchPlaceholder(const std::string& address,
                                          const QuickSearchPlaceholder& placeholder,
                                          const std::string& escapedText);

// The address to open: unchanged without a placeholder, else with the
// escaped answer of the prompt in place of the first placeholder. False
// when the user cancelled (nothing is opened).
bool ExpandQuickSearch(const std::string& address, const std::string& title, OpenHost& host,
                       OpenSystem& system, std::string* expanded);

}  // namespace browser
