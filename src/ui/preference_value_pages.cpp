// The pages of single values: Behavior (503), Hot Keys (526) and
// Presentation (517). Each reads its values from the settings when made,
// keeps them as the user changes the controls, and has changes while they
// differ from the settings.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>
#include <commdlg.h>

#include <set>
#include <string>

#include "framework/controls.h"
#include "resources/resource.h"
#include "settings/preference_values.h"
#include "ui/preference_page.h"

namespace {

// ---------------------------------------------------------------------------
// Behavior.
class BehaviorPage : public PreferencePage {
 public:
  explicit BehaviorPage(PreferencesHost& host)
      : PreferencePage(IDD_PREF_BEHAVIOR, host),
        values_(prefs::ReadBehaviourValues(host.UserSettings())) {}

  bool Changed() const override {
    return !(values_ == prefs::ReadBehaviourValues(host_.UserSettings()));
  }
  bool Apply() override {
    prefs::WriteBehaviourValues(values_, &host_.UserSettings());
    return true;
  }

 protected:
  bool OnInit() override {
    filling_ = true;
    for (const prefs::BehaviourBox& box : prefs::BehaviourBoxes())
      CheckButton(box.controlId, (values_.behaviourFlags & box.bit) != 0);
    CheckButton(IDC_FRONT_REGULAR, values_.keepAtFront[kFamilyRegular]);
    CheckButton(IDC_FRONT_COMPACT, values_.keepAtFront[kFamilyCompact]);
    CheckButton(IDC_AUTO_DOCK, values_.autoDock);
    CheckButton(values_.dockBelow ? IDC_DOCK_BELOW : IDC_DOCK_SIDE, true);
    HWND slider = Item(IDC_LOGIN_DELAY);
    SendMessageA(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, prefs::kMaxQuickLoginDelay));
    SendMessageA(slider, TBM_SETTICFREQ, prefs::kQuickLoginDelayTick, 0);
    SendMessageA(slider, TBM_SETPAGESIZE, 0, prefs::kQuickLoginDelayTick);
    SendMessageA(slider, TBM_SETPOS, TRUE, static_cast<LPARAM>(values_.quickLoginDelay));
    SetItemInt(IDC_SIMULTANEOUS_CHECKS, static_cast<int>(values_.simultaneousChecks));
    EnableDockSides();
    filling_ = false;
    return true;
  }

  bool OnCommand(int id, int code, HWND control) override {
    if (filling_) return false;
    for (const prefs::BehaviourBox& box : prefs::BehaviourBoxes()) {
      if (id != box.controlId) continue;
      values_.behaviourFlags =
          IsChecked(id) ? (values_.behaviourFlags | box.bit) : (values_.behaviourFlags & ~box.bit);
      NotifyChange();
      return true;
    }
    switch (id) {
      case IDC_FRONT_REGULAR:
      case IDC_FRONT_COMPACT:
        values_.keepAtFront[id == IDC_FRONT_REGULAR ? kFamilyRegular : kFamilyCompact] =
            IsChecked(id);
        break;
      case IDC_AUTO_DOCK:
      case IDC_DOCK_SIDE:
      case IDC_DOCK_BELOW:
        values_.autoDock = IsChecked(IDC_AUTO_DOCK);
        values_.dockBelow = IsChecked(IDC_DOCK_BELOW);
        EnableDockSides();
        break;
      case IDC_SIMULTANEOUS_CHECKS: {
        if (code != EN_CHANGE) return false;
        bool ok = false;
        const int checks = ItemInt(id, &ok);
        if (!ok || checks < 1) return true;  // the stored number stays until a valid one is typed
        values_.simultaneousChecks = static_cast<uint32_t>(checks);
        break;
      }
      default:
        return PreferencePage::OnCommand(id, code, control);
    }
    NotifyChange();
    return true;
  }

  bool OnMessage(UINT msg, WPARAM /*wp*/, LPARAM lp, INT_PTR* result) override {
    if (msg != WM_HSCROLL || reinterpret_cast<HWND>(lp) != Item(IDC_LOGIN_DELAY)) return false;
    values_.quickLoginDelay =
        static_cast<uint32_t>(SendMessageA(Item(IDC_LOGIN_DELAY), TBM_GETPOS, 0, 0));
    NotifyChange();
    *result = 0;
    return true;
  }

 private:
  void EnableDockSides() const {
    EnableItem(IDC_DOCK_SIDE, values_.autoDock);
    EnableItem(IDC_DOCK_BELOW, values_.autoDock);
  }

  prefs::BehaviourValues values_;
};

// ---------------------------------------------------------------------------
// Hot Keys: what each hot-key control reports (virtual key and HOTKEYF_
// modifiers), stored as it is.
constexpr int kHotKeyControls[kHotKeyCount] = {IDC_HOTKEY_ACTIVATE, IDC_HOTKEY_FETCH,
                                               IDC_HOTKEY_OPEN_NEW, IDC_HOTKEY_FILL_LOGIN};

class HotKeysPage : public PreferencePage {
 public:
  explicit HotKeysPage(PreferencesHost& host)
      : PreferencePage(IDD_PREF_HOT_KEYS, host), keys_(host.UserSettings().programHotKeys) {}

  bool Changed() const override { return keys_ != host_.UserSettings().programHotKeys; }
  bool Apply() override {
    host_.UserSettings().programHotKeys = keys_;
    return true;
  }

 protected:
  bool OnInit() override {
    Show(keys_);
    return true;
  }
  bool OnCommand(int id, int code, HWND control) override {
    if (id == IDC_SET_DEFAULTS) {
      keys_ = prefs::DefaultHotKeys();
      Show(keys_);
      NotifyChange();
      return true;
    }
    for (int i = 0; i < kHotKeyCount; ++i) {
      if (id != kHotKeyControls[i] || code != EN_CHANGE || filling_) continue;
      keys_[i] = static_cast<uint32_t>(SendMessageA(control, HKM_GETHOTKEY, 0, 0)) & 0xFFFF;
      NotifyChange();
      return true;
    }
    return PreferencePage::OnCommand(id, code, control);
  }

 private:
  void Show(const std::array<uint32_t, kHotKeyCount>& keys) {
    filling_ = true;
    for (int i = 0; i < kHotKeyCount; ++i)
      SendMessageA(Item(kHotKeyControls[i]), HKM_SETHOTKEY, keys[i], 0);
    filling_ = false;
  }

  std::array<uint32_t, kHotKeyCount> keys_;
};

// ---------------------------------------------------------------------------
// Presentation.
constexpr int kColorButtons[] = {IDC_COLOR_BACKGROUND, IDC_COLOR_BUTTONS, IDC_COLOR_HIGHLIGHT,
                                 IDC_COLOR_MARKED, IDC_COLOR_TEXT};
constexpr int kFontSizes[] = {8, 9, 10, 11, 12, 14, 16, 18};

int CALLBACK AddFontFamily(const LOGFONTA* font, const TEXTMETRICA* /*metrics*/, DWORD /*type*/,
                           LPARAM names) {
  // Vertical fonts ("@" names) are no choice for dialogs.
  if (font->lfFaceName[0] != '@')
    reinterpret_cast<std::set<std::string>*>(names)->insert(font->lfFaceName);
  return 1;
}

// Every installed font family, each name once.
std::set<std::string> InstalledFontFamilies(HWND window) {
  std::set<std::string> names;
  HDC dc = GetDC(window);
  LOGFONTA wanted = {};
  wanted.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExA(dc, &wanted, AddFontFamily, reinterpret_cast<LPARAM>(&names), 0);
  ReleaseDC(window, dc);
  return names;
}

class PresentationPage : public PreferencePage {
 public:
  explicit PresentationPage(PreferencesHost& host)
      : PreferencePage(IDD_PREF_PRESENTATION, host),
        values_(prefs::ReadPresentationValues(host.UserSettings())) {}

  bool Changed() const override {
    return !(values_ == prefs::ReadPresentationValues(host_.UserSettings()));
  }
  bool Apply() override {
    prefs::WritePresentationValues(values_, &host_.UserSettings());
    // What was not taken (a custom font without a size) shows as it is now.
    values_ = prefs::ReadPresentationValues(host_.UserSettings());
    Fill();
    return true;
  }

 protected:
  bool OnInit() override {
    framework::ComboBox faces(Item(IDC_FONT_FACE));
    for (const std::string& name : InstalledFontFamilies(hwnd_)) faces.Add(name);
    framework::ComboBox sizes(Item(IDC_FONT_SIZE));
    for (int size : kFontSizes) sizes.Add(std::to_string(size));
    Fill();
    return true;
  }

  bool OnCommand(int id, int code, HWND control) override {
    if (filling_) return false;
    switch (id) {
      case IDC_STYLE_STANDARD:
      case IDC_STYLE_CUSTOM:
        values_.flatStyle = IsChecked(IDC_STYLE_CUSTOM);
        break;
      case IDC_FONT_STANDARD:
      case IDC_FONT_CUSTOM:
        values_.customFont = IsChecked(IDC_FONT_CUSTOM);
        break;
      case IDC_FONT_FACE:
      case IDC_FONT_SIZE: {
        std::string* field = id == IDC_FONT_FACE ? &values_.fontFace : &values_.fontSizeText;
        if (code == CBN_EDITCHANGE) {
          *field = ItemText(id);
        } else if (code == CBN_SELCHANGE) {
          framework::ComboBox box(control);
          *field = box.ItemText(box.Selection());
        } else {
          return false;
        }
        // Choosing a face or a size chooses the custom font.
        values_.customFont = true;
        SetRadio(IDC_FONT_CUSTOM, IDC_FONT_STANDARD, true);
        break;
      }
      case IDC_SET_DEFAULTS:
        values_.colors = prefs::DefaultColors();
        InvalidateSwatches();
        break;
      case IDC_RECENT_PERIOD:
      case IDC_MAX_SMART_ITEMS: {
        if (code != EN_CHANGE) return false;
        bool ok = false;
        const int value = ItemInt(id, &ok);
        if (!ok || value < 0) return true;
        (id == IDC_RECENT_PERIOD ? values_.recentPeriod : values_.maxSmartItems) =
            static_cast<uint32_t>(value);
        break;
      }
      default:
        if (!ChooseColorOf(id)) return PreferencePage::OnCommand(id, code, control);
        break;
    }
    NotifyChange();
    return true;
  }

  // A swatch: the colour beside the button's text.
  bool OnDrawItem(DRAWITEMSTRUCT* item) override {
    const int slot = ColorSlot(static_cast<int>(item->CtlID));
    if (slot < 0) return false;
    HDC dc = item->hDC;
    RECT r = item->rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const int side = r.bottom - r.top - 2;
    RECT swatch = {r.left + 1, r.top + 1, r.left + 1 + side * 2, r.bottom - 1};
    HBRUSH brush = CreateSolidBrush(values_.colors[static_cast<size_t>(slot)]);
    FillRect(dc, &swatch, brush);
    DeleteObject(brush);
    FrameRect(dc, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
    char text[64] = "";
    GetWindowTextA(item->hwndItem, text, sizeof text);
    RECT label = {swatch.right + 6, r.top, r.right, r.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, text, -1, &label, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (item->itemState & ODS_FOCUS) DrawFocusRect(dc, &label);
    return true;
  }

 private:
  static int ColorSlot(int controlId) {
    for (int i = 0; i < static_cast<int>(sizeof kColorButtons / sizeof kColorButtons[0]); ++i)
      if (kColorButtons[i] == controlId) return i;
    return -1;
  }

  bool ChooseColorOf(int controlId) {
    const int slot = ColorSlot(controlId);
    if (slot < 0) return false;
    static COLORREF custom[16] = {};
    CHOOSECOLORA choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = hwnd_;
    choice.rgbResult = values_.colors[static_cast<size_t>(slot)];
    choice.lpCustColors = custom;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&choice)) return true;
    values_.colors[static_cast<size_t>(slot)] = choice.rgbResult;
    InvalidateSwatches();
    return true;
  }

  // The two choices of a pair (their ids interleave with the other pair's,
  // so CheckRadioButton's range cannot be used).
  void SetRadio(int custom, int standard, bool customChosen) const {
    CheckButton(custom, customChosen);
    CheckButton(standard, !customChosen);
  }

  void InvalidateSwatches() const {
    for (int id : kColorButtons) InvalidateRect(Item(id), nullptr, TRUE);
  }

  void Fill() {
    filling_ = true;
    SetRadio(IDC_STYLE_CUSTOM, IDC_STYLE_STANDARD, values_.flatStyle);
    SetRadio(IDC_FONT_CUSTOM, IDC_FONT_STANDARD, values_.customFont);
    SetItemText(IDC_FONT_FACE, values_.fontFace);
    SetItemText(IDC_FONT_SIZE, values_.fontSizeText);
    SetItemInt(IDC_RECENT_PERIOD, static_cast<int>(values_.recentPeriod));
    SetItemInt(IDC_MAX_SMART_ITEMS, static_cast<int>(values_.maxSmartItems));
    InvalidateSwatches();
    filling_ = false;
  }

  prefs::PresentationValues values_;
};

}  // namespace

std::unique_ptr<PreferencePage> MakeBehaviorPage(PreferencesHost& host) {
  return std::make_unique<BehaviorPage>(host);
}
std::unique_ptr<PreferencePage> MakeHotKeysPage(PreferencesHost& host) {
  return std::make_unique<HotKeysPage>(host);
}
std::unique_ptr<PreferencePage> MakePresentationPage(PreferencesHost& host) {
  return std::make_unique<PresentationPage>(host);
}

std::unique_ptr<PreferencePage> MakePreferencePage(int index, PreferencesHost& host) {
  switch (index) {
    case kPageLists:
      return MakeListsPage(host);
    case kPageBrowsers:
      return MakeBrowsersPage(host);
    case kPageBehavior:
      return MakeBehaviorPage(host);
    case kPageHotKeys:
      return MakeHotKeysPage(host);
    default:
      return MakePresentationPage(host);
  }
}
