// The main window shown while the list windows of the three modes are
// being built: a plain top-level window with the program's title, owned
// by the command window. It keeps the names the rest of the program calls.
#pragma once

#include <string>

#include "framework/window.h"

class MainWindow : public framework::Window {
 public:
  explicit MainWindow(int mode) : mode_(mode) {}

  int Mode() const { return mode_; }
  // Brings title and contents up to date with the current list.
  void RefreshDisplay();
  // Offers to save the changed lists; false when the user cancelled.
  bool SaveIfChanged(bool exiting, bool askFirst, bool force);
  void ShowDueVisitAlert() {}

 protected:
  bool OnCreate() override;
  bool OnClose() override;
  void OnFinalMessage() override;
  bool OnPaint() override;

 private:
  int mode_;
};

// The one main window, or null (also while a mode switch is in progress).
extern MainWindow* currentMainWindow;

// "Vellox", or "<list name> - Vellox" with a list open.
std::string MainWindowTitle(const std::string& listName);
// Creates the main window in mode, owned by owner; shown unless minimized.
void CreateMainWindow(int mode, HWND owner, bool startMinimized);
void DeleteMainWindow();
