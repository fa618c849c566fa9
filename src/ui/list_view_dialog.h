// The List View dialog (532): a table of search results, marked items,
// aliases, duplicates, scheduled, all or deleted bookmarks, with actions.
// The main window that owns it makes it hidden with itself and destroys it
// (its rectangle and columns stored) before itself; the main window's
// RefreshListView, ShowListView, ToggleListView and
// ListViewSelectionChanged reach it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "resources/resource.h"
#include "view/list_view_columns.h"
#include "view/list_views.h"  // ListViewEntry: kViewSearchResults ... kViewDeleted

class BookmarkList;
class MainWindow;

class ListViewDialog : public framework::Dialog {
 public:
  explicit ListViewDialog(MainWindow& owner);

  // entry -1: keep the current entry, corrected for marks and search.
  void Rebuild(int entry);
  void ShowOn(int entry, bool correct);
  void Toggle();
  void SelectionChanged(uint16_t item);
  // Rectangle and columns back into the settings.
  void StoreState();

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnCancel() override { Show(SW_HIDE); }
  LRESULT OnNotify(NMHDR* header) override;
  void OnSize(int type, int width, int height) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) override;

 private:
  HWND Table() const { return Item(IDC_VIEW_TABLE); }
  ListViewSource Source() const;
  void AddColumns();
  void FillTable();
  void FillActions();
  // "&Do" needs rows, and a writable list for anything but Open.
  void UpdateDoButton();
  int ChosenAction() const;
  void SelectRowOf(uint16_t item);
  std::vector<uint16_t> CheckedRows() const;
  void CheckAll(bool checked);
  void OnDo();
  void OpenRows(const std::vector<uint16_t>& rows);
  void OnNextGroup();
  void SelectInMainWindow(uint16_t item);
  void PlaceFirstTime();

  // The rows belong to the list they were built from: another list (a
  // switch, a revert) makes them stale.
  bool ShowsCurrentList() const;

  MainWindow& owner_;
  int family_;
  const BookmarkList* shownList_ = nullptr;
  std::string shownPath_;
  int entry_ = kViewSearchResults;
  std::vector<uint16_t> rows_;
  std::vector<ViewColumn> columns_;
  SIZE client_ = {0, 0};
  bool filling_ = false;
  bool placed_ = false;
};
