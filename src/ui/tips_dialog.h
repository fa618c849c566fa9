// "Vellox Tips" (528): one tip at a time about the program's keys and
// ways, "&Next tip", "&Close", and the "S&how tips at start-up" box, which
// sets its behaviour bit at once. Modeless: made with the main window and
// destroyed before it, its place kept at the tips position of the window
// family.
#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/dialog.h"
#include "settings/settings.h"

class TipsDialog : public framework::Dialog {
 public:
  TipsDialog(Settings& settings, int family);

  // Shown with the next tip (activated when activate).
  void Open(bool activate);
  // The start-up box shows the behaviour bit again (it changed elsewhere).
  void ShowStartUpChoice();
  void StorePosition() const;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override { NextTip(); }
  void OnCancel() override;

 private:
  void NextTip();

  Settings& settings_;
  int family_;
  size_t tip_;
  bool shown_ = false;
};
