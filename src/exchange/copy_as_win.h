// The "Copy as" commands: their text on the clipboard (Win32 only).
#pragma once

#include <windows.h>

#include <cstdint>

#include "list/bookmark_list.h"

// Puts the text of the copy command on the clipboard as CF_TEXT (emptying
// it first) and, for the HTML variants, its CF_HTML block as "HTML Format".
// selected is the selected bookmark (0 for none). False when there was
// nothing to copy or the clipboard refused.
bool CopyAs(BookmarkList& list, uint16_t selected, int command, HWND owner);
