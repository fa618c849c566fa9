#include "ui/preferences_dialog.h"

// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <memory>

#include "framework/controls.h"
#include "resources/resource.h"
#include "util/messages.h"

namespace {

constexpr const char* kTabNames[kPageCount] = {"Bookmark Lists", "Browsers", "Behavior", "Hot Keys",
                                               "Presentation"};

class PreferencesDialog : public framework::Dialog {
 public:
  PreferencesDialog(int page, PreferencesHost& host)
      : Dialog(IDD_PREFERENCES), firstPage_(page), host_(host) {}

  PreferencesExit exit = PreferencesExit::kClosed;

 protected:
  bool OnInit() override {
    framework::TabControl tabs(Item(IDC_PREF_TABS));
    for (const char* name : kTabNames) tabs.Add(name);
    const int page = firstPage_ >= 0 && firstPage_ < kPageCount ? firstPage_ : kPageBehavior;
    tabs.Select(page);
    ShowPage(page);
    EnableItem(IDC_APPLY, false);
    return true;
  }

  bool OnCommand(int id, int code, HWND control) override {
    switch (id) {
      case IDC_APPLY:
        ApplyPage();
        return true;
      case IDC_IMPORT:
      case IDC_EXPORT:
        if (!Done()) return true;
        exit = id == IDC_IMPORT ? PreferencesExit::kImport : PreferencesExit::kExport;
        return true;
      default:
        return Dialog::OnCommand(id, code, control);
    }
  }

  void OnOK() override { Done(); }

  LRESULT OnNotify(NMHDR* header) override {
    if (header->idFrom != IDC_PREF_TABS) return 0;
    if (header->code == TCN_SELCHANGING) return LeavePage() ? FALSE : TRUE;
    if (header->code == TCN_SELCHANGE)
      ShowPage(framework::TabControl(Item(IDC_PREF_TABS)).Selection());
    return 0;
  }

 private:
  // Done: the page applied, the settings saved with their backup, closed.
  bool Done() {
    if (page_ && page_->Changed() && !ApplyPage()) return false;
    host_.SaveSettingsWithBackup();
    End(IDOK);
    return true;
  }

  bool ApplyPage() {
    if (!page_ || !page_->Apply()) return false;
    host_.PreferencesApplied();
    PageChanged();
    return true;
  }

  // A page with changes asks whether to apply them first; false keeps it
  // (its changes were incomplete).
  bool LeavePage() {
    if (!page_ || !page_->Changed()) return true;
    if (MessageFromTable(hwnd_, IDS_APPLY_PREFERENCES, MB_YESNO | MB_ICONQUESTION) != IDYES)
      return true;
    return ApplyPage();
  }

  void ShowPage(int index) {
    page_.reset();
    page_ = MakePreferencePage(index, host_);
    page_->SetChangeHandler([this] { PageChanged(); });
    if (!page_->Create(hwnd_)) {
      page_.reset();
      return;
    }
    // The page fills the tab's display area, after the tab in the
    // keyboard order.
    HWND tabs = Item(IDC_PREF_TABS);
    RECT area;
    GetWindowRect(tabs, &area);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    SetWindowPos(page_->Handle(), tabs, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_SHOWWINDOW);
    PageChanged();
  }

  void PageChanged() { EnableItem(IDC_APPLY, page_ && page_->Changed()); }

  int firstPage_;
  PreferencesHost& host_;
  std::unique_ptr<PreferencePage> page_;
};

}  // namespace

PreferencesExit RunPreferencesDialog(HWND owner, int page, PreferencesHost& host) {
  PreferencesDialog dialog(page, host);
  dialog.Run(owner);
  return dialog.exit;
}
