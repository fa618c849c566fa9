// The mouse wheel in a column: deltas are collected until they are worth
// a line step; a standard notch (120) moves the list by four lines.
#pragma once

class WheelAccumulator {
 public:
  static constexpr int kUnitsPerLine = 30;
  // Adds a wheel delta (positive = away from the user) and returns the
  // number of lines to scroll toward the start of the list (negative =
  // toward the end); 0 until the collected sum reaches a line step.
  int Add(int delta);
  void Reset() { sum_ = 0; }

 private:
  int sum_ = 0;
};

// The top line after scrolling `lines` toward the start from top, kept
// between the first and the last line of a list of count lines.
int ScrolledTopIndex(int top, int lines, int count);
