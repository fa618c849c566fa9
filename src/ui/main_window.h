// The main window: a modeless dialog showing the open list, with the menu
// bar, the buttons, the search box and the status line. MainWindow holds
// what the modes share; ThreeColumnWindow (Regular and Organize, dialog
// 522) and CompactWindow (dialog 523) add their columns and commands.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/dialog.h"

class BookmarkList;

// Window modes: the low nibble of the behaviour flags.
constexpr int kModeCompact = 1;
constexpr int kModeRegular = 2;
constexpr int kModeOrganize = 3;

class MainWindow : public framework::Dialog {
 public:
  MainWindow(int templateId, int mode) : Dialog(templateId), mode_(mode) {}
  ~MainWindow() override;

  int Mode() const { return mode_; }
  // The family whose window flags and rectangles this window uses.
  int Family() const;
  // Title, columns, status line and commands brought up to date with the
  // current list (after opening, switching or reverting a list).
  void RefreshDisplay();
  // Refills the list boxes from fromLevel (-1 = all) downward from the
  // model; keepSelection keeps each column's selected item.
  virtual void RefillColumns(int fromLevel, bool keepSelection) = 0;
  // Offers to save the current list and the list holding marks; false
  // when the user cancelled.
  bool SaveIfChanged(bool exiting, bool askFirst, bool force);
  void ShowDueVisitAlert() {}
  void UpdateStatusLine();
  void UpdateCommandState();
  // The list entries of the File menu and the title.
  void RebuildDynamicMenus();
  // Every command of the window enters here.
  void RouteCommand(int id);
  // Stores the window's rectangle for its family.
  void SaveWindowPositions();
  // The current list, or null.
  static BookmarkList* List();

  // Handlers of the common command table (main_window_commands.cpp); each
  // receives the command id.
  void OnOpenOrCreate(int id);
  void OnSave(int id);
  void OnSaveCopy(int id);
  void OnRevert(int id);
  void OnEncryptionOptions(int id);
  void OnSwitchList(int id);
  void OnPreviousList(int id);
  void OnExit(int id = 0);
  void OnMinimize(int id = 0);
  void OnFocusSearch(int id);
  void OnToggleBehaviour(int id);
  void OnKeepAtFront(int id);
  void OnNothing(int /*id*/) {}
  // Setup and uninstall belong to the command window.
  void OnPassToCommandWindow(int id);
  // The message-line help of a menu item (WM_MENUSELECT).
  void ShowMenuHelp(int id, UINT flags, HMENU menu);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override {}
  void OnCancel() override {}
  bool OnDrawItem(DRAWITEMSTRUCT* item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT* item) override;
  void OnDestroy() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) override;

  // The concrete class's commands after the common dispatch; true when
  // handled.
  virtual bool OnWindowCommand(int id, int code) = 0;
  // The level of the list box with control id, or -1.
  virtual int LevelOfBox(int controlId) const;
  // A line of a column was chosen by the user.
  virtual void OnColumnSelection(int level, int line);
  // Fills the list box of level from the model's column.
  void FillBox(int level);
  void ClearBox(int level);
  HWND Box(int level) const;

  void PaintLines();
  void OnActivate(bool active);
  bool OnSysCommand(WPARAM wp);
  void InstallAccelerators();

  int mode_;
  // LineData of each line, per level (the list box keeps the text and the
  // item index).
  std::array<std::vector<uint32_t>, 3> lineData_;
  HWND lastFocus_ = nullptr;
  HACCEL accelerators_ = nullptr;
};

// The one main window, or null (also while a mode switch is in progress).
extern MainWindow* currentMainWindow;

// "Vellox", or "<list name> - Vellox" with a list open.
std::string MainWindowTitle(const std::string& listName);
// Builds the main window in mode, owned by owner; shown unless minimized.
void CreateMainWindow(int mode, HWND owner, bool startMinimized);
void DeleteMainWindow();
