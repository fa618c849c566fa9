#include "util/screen_win.h"

void KeepRectInArea(RECT* rect, int width, int height, const RECT& area) {
  int left = rect->left, top = rect->top;
  if (left < area.left) left = area.left;
  if (top < area.top) top = area.top;
  if (left + width > area.right) left = area.right - width;
  if (top + height > area.bottom) top = area.bottom - height;
  rect->left = left;
  rect->top = top;
  rect->right = left + width;
  rect->bottom = top + height;
}

void KeepRectOnScreen(RECT* rect, int width, int height) {
  RECT area;
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  HMONITOR monitor = MonitorFromRect(rect, MONITOR_DEFAULTTOPRIMARY);
  if (monitor && GetMonitorInfoA(monitor, &info)) area = info.rcWork;
  else SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  KeepRectInArea(rect, width, height, area);
}
