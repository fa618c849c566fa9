#include "util/rect.h"

#include <cstdio>

std::string RectText(const Rect& rect) {
  char text[64];
  std::snprintf(text, sizeof text, "%i,%i,%i,%i", rect.left, rect.top, rect.right, rect.bottom);
  return text;
}

bool ParseRectText(const char* text, Rect* rect) {
  Rect parsed;
  // %d rather than %i: a stray leading zero must not turn a number octal.
  if (std::sscanf(text, "%d,%d,%d,%d", &parsed.left, &parsed.top, &parsed.right, &parsed.bottom) !=
      4)
    return false;
  *rect = parsed;
  return true;
}
