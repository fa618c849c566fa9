// The main window's tool-tip control: a tip for each button from the
// string table (automatic delay 350 ms); in Compact mode the Open button's
// tip is the selected bookmark's address.
#pragma once

#include <windows.h>

#include <string>

#include "framework/scoped_handle.h"

class MainToolTip {
 public:
  MainToolTip() = default;
  MainToolTip(const MainToolTip&) = delete;
  MainToolTip& operator=(const MainToolTip&) = delete;

  void Create(HWND mainWindow, bool compact);
  // The Open button's tip now (Compact mode only; elsewhere it keeps its
  // help text).
  void SetOpenTip(const std::string& address);
  HWND Handle() const { return tip_.Get(); }

 private:
  void AddTool(int controlId, const std::string& text);

  framework::ScopedWindow tip_;  // owned by the main window too: may go first
  HWND main_ = nullptr;
  bool compact_ = false;
  std::string openText_;
};
