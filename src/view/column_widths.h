// Column splitters of the three-column window: dragging the gap after a
// column widens or narrows that column, and the window grows or shrinks
// with it within its limits; beyond them the other columns give way.
#pragma once

#include <array>

constexpr int kMinColumnWidth = 132;
constexpr int kMinSplitWindowWidth = 480;

struct ColumnLayout {
  std::array<int, 3> widths = {0, 0, 0};
  int windowWidth = 0;
};

// The layout after the gap following column `gap` (0 or 1) moved by dx
// pixels from `start`; the window stays between minWindowWidth (or its
// start width, if narrower) and screenWidth (or its start width, if wider),
// no column narrower than kMinColumnWidth (or its start width). The window
// passes its own minimum when that is wider than kMinSplitWindowWidth.
ColumnLayout DragSplitter(const ColumnLayout& start, int gap, int dx, int screenWidth,
                          int minWindowWidth = kMinSplitWindowWidth);
