// What a main window asks of the program around it. The main window is
// handed the settings, the two list slots and a ProgramControl when it is
// made, so that nothing in the user interface reaches for the application
// object: the program (src/app) sits above the windows and drives them.
#pragma once

#include <windows.h>

class ListSlots;
class SiteChecks;
struct Settings;

class ProgramControl {
 public:
  virtual ~ProgramControl() = default;

  // Runs a command of the program once the current message is handled:
  // the mode switches (ID_CMD_MODE_*, which rebuild the main window),
  // setup and uninstall, or a main-window command meant for whichever main
  // window exists by then.
  virtual void PostProgramCommand(int id) = 0;
  // True while something that holds the open lists is running: a modal
  // prompt or dialog, or a save waiting with the message pump. A message
  // that would replace or close the lists must not run under it.
  virtual bool ListsInUse() const = 0;
  // Runs command id (through the command window, as PostProgramCommand
  // does) once the program is idle again, after whatever is running.
  virtual void RunWhenIdle(int id) = 0;
  // Ends the run once the current message is handled; the main window is
  // destroyed first, so that it can store its place.
  virtual void EndProgram() = 0;
  // Minimizes the whole program: the hidden command window takes the main
  // window with it.
  virtual void MinimizeProgram() = 0;
  // True while the whole program is minimized; RestoreProgram brings it
  // back once the current message is handled.
  virtual bool ProgramMinimized() const = 0;
  virtual void PostRestoreProgram() = 0;
  // The program's icons, for the windows' captions.
  virtual HICON LargeIcon() const = 0;
  virtual HICON SmallIcon() const = 0;
  // The keyboard table of the message loop: the main window's own while it
  // lives (table and the window it belongs to); null gives the program's.
  virtual void UseAccelerators(HACCEL table, HWND window) = 0;
  // The preferences dialog applied a page: what the program keeps from the
  // settings (the hot keys, the main window's look and font) follows them.
  virtual void PreferencesApplied() = 0;
};

// Everything a main window is handed when it is made; none may be null and
// all outlive the window.
struct MainWindowContext {
  Settings* settings = nullptr;
  ListSlots* lists = nullptr;
  ProgramControl* program = nullptr;
  // The site check runs of the open lists (null: no checking).
  SiteChecks* checks = nullptr;
};
