// Compact mode (dialog 523): one bookmark column; the category and the
// subcategory are chosen from two picker menus.
#pragma once

#include "ui/main_window.h"

class CompactWindow : public MainWindow {
 public:
  CompactWindow() : MainWindow(523, kModeCompact) {}

  void RefillColumns(int fromLevel, bool keepSelection) override;

 protected:
  bool OnWindowCommand(int id, int code) override;

 private:
  // The picker menu of level 0 or 1 at its button; true when an item was
  // chosen.
  bool Pick(int level);
};
