// The program's one message loop, and the application base class that
// owns it: peek, accelerators, IsDialogMessage over the modeless dialogs,
// dispatch; while the queue is empty, idle calls with a growing count
// until the idle handler reports no more work, then a blocking wait.
#pragma once

#include <windows.h>

namespace framework {

class MessageLoop {
 public:
  // Modeless dialogs whose keyboard navigation the loop handles.
  static void AddModeless(HWND dialog);
  static void RemoveModeless(HWND dialog);

  // Fetches and dispatches one message (blocking); false on WM_QUIT,
  // whose exit code is then kept for ExitCode(). The message handled is
  // copied to processed when given.
  static bool PumpMessage(MSG* processed = nullptr);
  static int ExitCode();
};

// The application object's base. Run() calls InitInstance, then loops
// until WM_QUIT, then returns ExitInstance().
class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* Current();

  int Run();

  // The framework's main window: the loop ends when it is destroyed.
  HWND MainWindow() const { return mainWindow_; }
  void SetMainWindow(HWND hwnd) { mainWindow_ = hwnd; }
  // Accelerators translated for messages aimed at accelWindow (or any
  // window of the thread when accelWindow is null), and for the keys of
  // IsKeyForOwnerWindow typed in a registered modeless dialog that
  // accelWindow owns.
  void SetAccelerators(HACCEL table, HWND accelWindow) {
    accelerators_ = table;
    accelWindow_ = accelWindow;
  }

  // Translates accelerators and dialog keys; true when msg was consumed.
  virtual bool PreTranslateMessage(MSG* msg);

 protected:
  virtual bool InitInstance() { return true; }
  // Returns the process exit code.
  virtual int ExitInstance() { return MessageLoop::ExitCode(); }
  // Called with 0, 1, 2 ... while the queue stays empty; return true for
  // more calls.
  virtual bool OnIdle(long /*count*/) { return false; }

 private:
  HWND mainWindow_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HWND accelWindow_ = nullptr;
  // An Alt accelerator fired since Alt went down: its release is no menu key.
  bool altChordUsed_ = false;
};

// Waits for the given time while keeping the user interface alive: one
// pending message at a time is dispatched, and while the queue is empty the
// thread sleeps in MsgWaitForMultipleObjects until a message arrives or the
// time is up. With 0 it dispatches what is pending for at most 500 ms and
// returns as soon as the queue is empty. WM_QUIT ends the wait and stays
// queued. For waits the program really needs (the single-instance retry);
// work in a window later is a timer or a posted command instead.
void PumpWait(DWORD milliseconds);

}  // namespace framework
