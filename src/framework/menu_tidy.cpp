#include "framework/menu_tidy.h"

namespace framework {

bool IsSeparatorAt(HMENU menu, int position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) && (info.fType & MFT_SEPARATOR);
}

void TidySeparators(HMENU menu) {
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
    bool last = i == GetMenuItemCount(menu) - 1;
    if (IsSeparatorAt(menu, i) && (i == 0 || last || IsSeparatorAt(menu, i + 1)))
      DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
  }
  // Removing a pair can leave a separator at the top.
  if (GetMenuItemCount(menu) > 0 && IsSeparatorAt(menu, 0)) DeleteMenu(menu, 0, MF_BYPOSITION);
}

}  // namespace framework
