// A screen rectangle as the settings keep it (left, top, right, bottom),
// without the windows.h RECT so portable code can hold it.
#pragma once

#include <string>

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

inline bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

// "left,top,right,bottom", the stored form of a rectangle.
std::string RectText(const Rect& rect);
// Parses RectText's form; false (rect unchanged) unless four numbers are there.
bool ParseRectText(const char* text, Rect* rect);
