// Import of a Personal Filing Cabinet file ("AOLVM100"): a binary table of
// entry records, each carrying the key of the folder it belongs to.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// Appends the cabinet's favourite places at the end of the list: the
// entries of each folder key are walked twice, first for their links, then
// for their folders, so each folder is followed by its own links and then
// its sub-folders. Returns 0 (also for an empty cabinet or a full list), or
// -1 for a file that cannot be read, lacks the "AOLVM100" mark, or whose
// index is out of the file or lacks its marker. Bad offsets and lengths end
// the entry list or cut the text; nothing is read outside the file.
int ImportAolCabinet(BookmarkList& list, const std::string& path, uint8_t rating);
int ImportAolBytes(BookmarkList& list, std::string_view bytes, uint8_t rating);
