// The main window's tool-tip control: a tip for each button from the
// string table (automatic delay 350 ms); in Compact mode the Open button's
// tip is the selected bookmark's address.
#pragma once

#include <windows.h>

#include <string>

class MainToolTip {
 public:
  MainToolTip() = default;
  ~MainToolTip();
  MainToolTip(const MainToolTip&) = delete;
  MainToolTip& operator=(const MainToolTip&) = delete;

  void Create(HWND mainWindow, bool compact);
  // The Open button's tip now (Compact mode only; elsewhere it keeps its
  // help text).
  void SetOpenTip(const std::string& address);
  HWND Handle() const { return hwnd_; }

 private:
  void AddTool(int controlId, const std::string& text);

  HWND hwnd_ = nullptr;
  HWND main_ = nullptr;
  bool compact_ = false;
  std::string openText_;
};
