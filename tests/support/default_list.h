// The starter list shipped as "Default.bkl", built through the model so the
// file is guaranteed to be what the program itself would write.
#pragma once

#include <cstdint>
#include <string>

#include "list/bookmark_list.h"

// The creation time written into every item of the shipped list.
constexpr uint32_t kDefaultListTime = 1704067200;  // 2024-01-01 00:00:00 UTC

// Fills an empty list with the SmartFolders and the starter outline.
void BuildDefaultList(BookmarkList* list);

// The bytes of the shipped file: the list rendered with an empty salt, so
// that every copy draws its own salt on its first save.
std::string DefaultListBytes();
