#include "view/column_widths.h"

#include <algorithm>

namespace {

// How far a column may shrink: to the minimum, or not at all when it is
// already narrower.
int Slack(int width) { return std::max(0, width - kMinColumnWidth); }

}  // namespace

ColumnLayout DragSplitter(const ColumnLayout& start, int gap, int dx, int screenWidth,
                          int minWindowWidth) {
  ColumnLayout layout = start;
  if (gap < 0 || gap > 1) return layout;
  int minColumn = std::min(kMinColumnWidth, start.widths[gap]);
  int change = std::max(dx, minColumn - start.widths[gap]);
  int minWindow = std::min(std::max(kMinSplitWindowWidth, minWindowWidth), start.windowWidth);
  int maxWindow = std::max(screenWidth, start.windowWidth);
  int window = std::clamp(start.windowWidth + change, minWindow, maxWindow);
  // What the window could not take, the columns after the gap take:
  // positive = they must shrink, negative = they widen.
  int rest = start.windowWidth + change - window;
  if (rest > 0) {
    int room = 0;
    for (int i = gap + 1; i < 3; ++i) room += Slack(start.widths[i]);
    if (rest > room) {
      change -= rest - room;
      rest = room;
    }
  }
  layout.widths[gap] = start.widths[gap] + change;
  layout.windowWidth = window;
  // The last column first, then the middle one when the first gap moved.
  for (int i = 2; i > gap && rest != 0; --i) {
    int take = rest > 0 ? std::min(rest, Slack(start.widths[i])) : rest;
    layout.widths[i] = start.widths[i] - take;
    rest -= take;
  }
  return layout;
}
