#include "ui/dialog_corner.h"

void PlaceAtStoredCorner(HWND dialog, const Rect& stored) {
  RECT r = {};
  GetWindowRect(dialog, &r);
  int x = stored.left, y = stored.top;
  if (stored.right <= stored.left || stored.bottom <= stored.top) {
    RECT owner = {};
    GetWindowRect(GetWindow(dialog, GW_OWNER), &owner);
    x = (owner.left + owner.right - (r.right - r.left)) / 2;
    y = (owner.top + owner.bottom - (r.bottom - r.top)) / 2;
  }
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect StoredRectOf(HWND dialog) {
  RECT r = {};
  GetWindowRect(dialog, &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}
