// The main window's command table: one row per command (or consecutive
// family of commands) with its handler and the rule that enables it.
// A row without a handler is a command whose behaviour is not part of
// this program yet: it is routed here and shown greyed.
#pragma once

#include <windows.h>

class MainWindow;

enum class CommandRule {
  kAlways,
  kList,           // a list is open
  kWritableList,   // a list is open and writable
  kMarks,          // the writable list holds marked items
  kAnyMarks,       // the list holds marked items, writable or not
  kTwoLists,       // the current list is writable and another list holds marks
  kSearchResults,  // a list is open and search results are shown
};

struct CommandRow {
  int first;
  int last;
  void (MainWindow::*handler)(int id);
  CommandRule rule;
};

// The row of id, or null.
const CommandRow* FindCommand(int id);
bool CommandEnabled(const CommandRow& row, const MainWindow& window);
// Every row, for the enabling of the menu bar.
const CommandRow* CommandRows(size_t* count);
// True for the commands that replace or close the open lists (opening,
// switching, reverting, exit, setup, uninstall, a mode rebuild): they wait
// while the lists are in use (ProgramControl::ListsInUse).
bool ReplacesOpenLists(int id);
