// Where the notes window stands against the main window when it docks: a
// pure function of the two windows' rectangles and the work area, so that
// every placement rule is tested without a screen.
#pragma once

#include "util/rect.h"

// The dock modes (bits 4-5 of the behaviour flags).
constexpr int kDockOff = 0;
constexpr int kDockSide = 1;
constexpr int kDockBelow = 2;

// The side of the main window the notes window goes to.
enum class DockPlace { kRight, kLeft, kBelow, kAbove, kCentred };

struct DockResult {
  DockPlace place = DockPlace::kCentred;
  int left = 0;  // the notes window's new top-left corner
  int top = 0;
};

// mode is kDockSide or kDockBelow; main the main window's rectangle, work
// the work area of its monitor, width and height the notes window's size.
// With "below" the window goes below the main window, else above it, when
// it fits there; otherwise to the right, else (when it does not fit on the
// left either) below, above or centred on the main window, else to the
// left. Beside the main window it lines up with its top, or with its bottom
// when the main window's centre is in the lower half of the work area;
// under or over it, with its left edge, or its right edge when the centre
// is in the right half.
DockResult DockNotesWindow(int mode, const Rect& main, const Rect& work, int width, int height);
