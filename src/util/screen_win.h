// Window rectangles kept on screen (Win32 only).
#pragma once

#include <windows.h>

// Moves rect so that a window of width x height placed at its top-left
// corner lies inside the work area of the rectangle's monitor (or the
// primary one); rect takes that size.
void KeepRectOnScreen(RECT* rect, int width, int height);
// The same against a given work area.
void KeepRectInArea(RECT* rect, int width, int height, const RECT& area);
