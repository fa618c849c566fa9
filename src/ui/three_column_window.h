// Regular and Organize modes (dialog 522): three columns for categories,
// subcategories and bookmarks; Organize adds a title box and New, Sort
// and Delete buttons under each column.
#pragma once

#include <array>

#include "ui/main_window.h"

class ThreeColumnWindow : public MainWindow {
 public:
  explicit ThreeColumnWindow(int mode) : MainWindow(522, mode) {}

  bool OrganizeMode() const { return mode_ == kModeOrganize; }
  void RefillColumns(int fromLevel, bool keepSelection) override;
  // Regular <-> Organize in place; false when refused (read-only list,
  // save prompt cancelled).
  bool SetOrganize(bool organize);

 protected:
  bool OnInit() override;
  bool OnWindowCommand(int id, int code) override;
  void OnSize(int type, int width, int height) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) override;

 private:
  // Shows or hides the Organize controls and resizes the list boxes and
  // the address box by the template's dialog units.
  void ApplyOrganizeLayout(bool organize);
  void StartNewItem(int level);
  void ShowTitles(int level);
  // WM_VKEYTOITEM of a column: -2 handled, -1 default.
  INT_PTR OnColumnKey(int level, UINT key);

  std::array<bool, 3> pending_ = {false, false, false};
  int previousMode_ = 0;
  SIZE client_ = {0, 0};
};
