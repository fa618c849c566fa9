// The application object: start-up in its run mode, the single-instance
// check, the hidden command window, the first list, the idle work and the
// release of everything at exit. One exists per process (App()).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/app_command_window.h"
#include "app/list_opening.h"
#include "checker/site_checks.h"
#include "framework/message_loop.h"
#include "framework/scoped_handle.h"
#include "settings/settings.h"

class VelloxApp : public framework::Application {
 public:
  VelloxApp();
  ~VelloxApp() override;

  // The main window, or null (before start-up made it, while a mode switch
  // rebuilds it, after exit).
  ::MainWindow* Main() const { return commandWindow ? commandWindow->Main() : nullptr; }

  Settings settings;
  int runMode = 0;
  std::string programPath;
  std::string programFolder;  // with a trailing backslash
  std::string helpPath;
  std::string commandLine;  // after the program name, unquoted
  HICON largeIcon = nullptr;
  HICON smallIcon = nullptr;
  framework::ScopedHandle instanceMutex;
  bool oleInitialized = false;
  framework::ScopedModule accessibilityLibrary;
  framework::ScopedAccelerators acceleratorTable;
  ATOM commandWindowClass = 0;
  // The site check runs: they outlive the windows that use them, and
  // dropping a run never touches its list.
  SiteChecks checks;
  std::unique_ptr<AppCommandWindow> commandWindow;
  ListSlots lists{&settings, &AppListHost()};
  // The installer's result: 0, the failure's message id, or IDCANCEL.
  int installerExitCode = 0;

 protected:
  bool InitInstance() override;
  int ExitInstance() override;
  bool OnIdle(long count) override;

 private:
  void TakeProgramPath();
  void UseInstalledFolderForPaths();
  void SetLocaleFromUser();
  // Step 7: true when this copy may go on.
  bool EnforceSingleInstance();
  void RemoveOldInstaller();
  void StartSubsystems();
  bool CreateCommandWindow();
  void OpenFirstList();
};

// The one application object.
VelloxApp& App();
