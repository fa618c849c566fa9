// Moving a dialog's controls when its size changes: their rectangles in the
// parent's client coordinates, and moves and growths relative to them.
#pragma once

#include <windows.h>

namespace framework {

// The rectangle of child in the client coordinates of parent.
inline RECT ChildRect(HWND parent, HWND child) {
  RECT r = {};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Moves the control id of parent by (dx, dy) and grows it by (dw, dh),
// without repainting (the parent repaints once afterwards).
inline void ShiftChild(HWND parent, int id, int dx, int dy, int dw, int dh) {
  HWND child = GetDlgItem(parent, id);
  if (!child) return;
  RECT r = ChildRect(parent, child);
  MoveWindow(child, r.left + dx, r.top + dy, r.right - r.left + dw, r.bottom - r.top + dh, FALSE);
}

// Dialog units of dialog in pixels, across and down.
inline int UnitsToPixelsX(HWND dialog, int units) {
  RECT r = {0, 0, units, 0};
  MapDialogRect(dialog, &r);
  return r.right;
}

inline int UnitsToPixelsY(HWND dialog, int units) {
  RECT r = {0, 0, 0, units};
  MapDialogRect(dialog, &r);
  return r.bottom;
}

}  // namespace framework
