// Compact mode (dialog 523): one bookmark column; the category and the
// subcategory are chosen from two picker menus.
#pragma once

#include "ui/main_window.h"

class CompactWindow : public MainWindow {
 public:
  explicit CompactWindow(const MainWindowContext& context)
      : MainWindow(523, kModeCompact, context) {}

  void RefillColumns(int fromLevel, bool keepSelection) override;

 protected:
  bool OnWindowCommand(int id, int code) override;
  void OnSize(int type, int width, int height) override;
  SIZE MinClientSize() const override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) override;

 private:
  // The pickers (compact_pickers.cpp). The menu of level 0 or 1: one
  // entry per item (command = index + 1), the current one checked.
  HMENU BuildPicker(int level) const;
  // Opens the picker of level at its button; true when an item was chosen.
  bool Pick(int level);
  // Choosing a category opens the subcategory picker when none is chosen;
  // choosing a subcategory selects its first bookmark when none is.
  void PickCategory();
  void PickSubcategory();
};
