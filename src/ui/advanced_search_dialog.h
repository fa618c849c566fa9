// "Search Bookmark List" (520): the advanced search with every option,
// filters and named presets. Modeless; the main window that owns it makes
// it hidden with itself and destroys it (its rectangle stored for the
// window family) before itself; the main window's ToggleAdvancedSearch,
// ShowAdvancedSearch, AdvancedSearchVisible and AdvancedSearchInput reach it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "resources/resource.h"
#include "search/search_options.h"
#include "settings/settings.h"

class MainWindow;

class AdvancedSearchDialog : public framework::Dialog {
 public:
  explicit AdvancedSearchDialog(MainWindow& owner);

  // Shown with the first preset and the main window's search text.
  void Open(const std::string& mainText);
  void Hide();
  // The options as the controls show them.
  const SearchOptions& Options() const { return options_; }
  std::string Term() const { return ItemText(IDC_SEARCH_FOR); }
  void StorePosition() const;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;
  void OnCancel() override { Hide(); }
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) override;

 private:
  std::vector<SearchPreset>& Presets() const;
  void FillPresets();
  void LoadPreset(int n, bool withText);
  void ShowOptions();
  void ReadOptions();
  // The options and the text go into the selected preset at once, so the
  // settings always hold them (and preset 1 feeds the simple search).
  void StoreIntoPreset();
  // An option or the text changed: stored, and searched once the user pauses.
  void Changed();
  void SelectPreset(int n);
  void AddPreset();
  void RemovePreset();
  int Combo(int id) const { return framework::ComboBox(Item(id)).Selection(); }

  MainWindow& owner_;
  int family_;
  int selected_ = 0;
  bool loading_ = false;  // controls being filled: their notifications are no changes
  bool shown_ = false;
  SearchOptions options_;
};
