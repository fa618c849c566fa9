// The Netscape bookmark walk written the plain way, every token and element
// found by a regular-expression search from the current position over the
// rest of the text. Slow on large or hostile files; the tests and the fuzz
// target hold the importer's results against it on small ones.
#pragma once

#include <cstdint>
#include <string_view>

#include "list/bookmark_list.h"

namespace reference {

int ImportNetscapeText(BookmarkList& list, std::string_view text, uint8_t rating);

}  // namespace reference
