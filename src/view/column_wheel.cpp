#include "view/column_wheel.h"

int WheelAccumulator::Add(int delta) {
  sum_ += delta;
  if (sum_ > -kUnitsPerLine && sum_ < kUnitsPerLine) return 0;
  int lines = sum_ / kUnitsPerLine;
  sum_ = 0;
  return lines;
}

int ScrolledTopIndex(int top, int lines, int count) {
  if (count <= 0) return 0;
  int next = top - lines;
  if (next < 0) next = 0;
  if (next > count - 1) next = count - 1;
  return next;
}
