// The prompts of opening: "Open New Bookmark" (514) and the QuickSearch
// term (524).
#pragma once

#include <windows.h>

#include <string>

// The typed address; false on Cancel.
bool AskTypedAddress(HWND owner, std::string* address);
// The search term, with prompt as the caption ("" keeps "QuickSearch");
// false on Cancel. An empty term is an answer.
bool AskQuickSearchTerm(HWND owner, const std::string& prompt, std::string* term);
