// The hidden top-level command window: owns the main window's lifetime,
// answers a second copy's "I AM VELLOXFL" and takes the command line it
// hands over, and minimizes or restores the whole program.
#pragma once

#include "framework/window.h"

constexpr const char kCommandWindowClass[] = "VELLOXFL";

class AppCommandWindow : public framework::Window {
 public:
  // Builds the main window in mode (1 Compact, 2 Regular, 3 Organize);
  // startMinimized comes from the behaviour flags.
  void BuildMainWindow(int mode, bool startMinimized);
  void RestoreProgram();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCreate() override;
  void OnDestroy() override;

 private:
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
};
