// The XML favorites walk written the plain way: each token found by
// searching the rest of the text with the token pattern itself, each folder
// walked again from its start. Slow on large files; the tests and the fuzz
// target hold the importer's outline against it on small ones (titles and
// addresses only).
#pragma once

#include <string_view>

#include "list/bookmark_list.h"

namespace reference {

int ImportMsnText(BookmarkList& list, std::string_view text);

}  // namespace reference
