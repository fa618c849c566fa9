// Regular and Organize modes (dialog 522): three columns for categories,
// subcategories and bookmarks; Organize adds a title box and New, Sort
// and Delete buttons under each column.
#pragma once

#include <array>

#include "ui/main_window.h"

// Compact mode hands a new bookmark to Organize mode: the mode to return
// to afterwards is kept across the rebuild of the window.
void RememberModeBeforeNewItem(int mode);
int TakeModeBeforeNewItem();

class ThreeColumnWindow : public MainWindow {
 public:
  ThreeColumnWindow(int mode, const MainWindowContext& context) : MainWindow(522, mode, context) {}

  bool OrganizeMode() const { return mode_ == kModeOrganize; }
  void RefillColumns(int fromLevel, bool keepSelection) override;
  // Regular <-> Organize in place; false when refused (read-only list,
  // save prompt cancelled).
  bool SetOrganize(bool organize);
  // Moves and widens the columns by share (pixels each, left to right) and
  // lengthens them by dh; the controls of each column follow.
  void MoveColumns(const int share[3], int dh);
  // A new bookmark is being typed (Organize mode).
  bool NewBookmarkPending() const { return OrganizeMode() && pending_[2]; }
  bool AddBookmarkFrom(const std::string& address, const std::string& title, bool fetched,
                       int replaceAddress = -1) override;

 protected:
  bool OnInit() override;
  bool OnWindowCommand(int id, int code) override;
  void OnSize(int type, int width, int height) override;
  SIZE MinClientSize() const override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) override;

 private:
  // Shows or hides the Organize controls and resizes the list boxes and
  // the address box by the template's dialog units.
  void ApplyOrganizeLayout(bool organize);
  // How many pixels the search box has given up at this client width.
  int SearchBoxSqueeze(int width) const;
  // The New, Sort and Delete buttons of level share its column's width.
  void LayoutColumnButtons(int level);
  void StartNewItem(int level);
  // Live title editing and committing new items (column_editing.cpp).
  // A title or the address box changed (EN_CHANGE).
  void OnTitleBoxChanged(int controlId);
  // Enter: commits the pending item of the focused title box; false when
  // the focus is elsewhere.
  bool OnEnterInTitleBox();
  // Creates the pending item of level from its boxes; true when created.
  bool CommitNewItem(int level);
  bool CommitNewBookmark();
  // The line of the selected item shows its new title, keeping its data.
  void ReplaceSelectedLine(int level);
  // Back to the mode a new item was started from, if any.
  void ReturnFromNewItem();
  void ShowTitles(int level);
  // WM_VKEYTOITEM of a column: -2 handled, -1 default.
  INT_PTR OnColumnKey(int level, UINT key);

  std::array<bool, 3> pending_ = {false, false, false};
  // The item whose title each column's title box shows (0 = none).
  std::array<uint16_t, 3> titleItem_ = {0, 0, 0};
  // True while ShowTitles fills the boxes: the change notifications that
  // filling sends are no typing of the user's.
  bool fillingBoxes_ = false;
  int previousMode_ = 0;
};
