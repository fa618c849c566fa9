// The "Checking bookmarks" dialog (527): the progress of the current
// list's site check run, shown without activation. Made and destroyed with
// the main window; its progress step runs from the idle processing, also
// while it is hidden.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/dialog.h"

class CheckRun;
class MainWindow;

class CheckingDialog : public framework::Dialog {
 public:
  explicit CheckingDialog(MainWindow& owner);

  // After the run's StartScope: the bar from 0 to the total, the texts
  // empty, "&Pause" enabled, "&Cancel"; shown without activation.
  void ShowRun(const CheckRun& run);
  // Stores the finished checks of run and takes the next bookmarks;
  // the items stored are appended to stored. True when more idle work
  // is wanted at once.
  bool Step(CheckRun& run, std::vector<uint16_t>* stored);
  void StorePosition() const;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnCancel() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) override;

 private:
  void ShowCount(const CheckRun& run);
  void ShowAllDone();
  CheckRun* Run() const;

  MainWindow& owner_;
  int family_;
  bool allDoneShown_ = false;
};
