// Menus trimmed at run time: items are removed for the moment, and the
// separators that end up at either end or next to each other go too.
#pragma once

#include <windows.h>

namespace framework {

bool IsSeparatorAt(HMENU menu, int position);
void TidySeparators(HMENU menu);

}  // namespace framework
