#include "app/application.h"

#include <commctrl.h>
#include <ole2.h>

#include <clocale>

#include "app/run_mode.h"
#include "browser/browser_detection_win.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "setup/installer.h"
#include "ui/drawing_resources.h"
#include "ui/help_topics.h"
#include "ui/help_viewer.h"
#include "util/single_instance_win.h"

namespace {
VelloxApp* theApp = nullptr;
constexpr DWORD kCommandWindowStyle =
    0x90CA0080;  // popup, visible, caption, system menu, minimize box
constexpr DWORD kHiddenCommandWindowStyle = 0x80CA0080;
}  // namespace

VelloxApp& App() { return *theApp; }

VelloxApp::VelloxApp() { theApp = this; }
VelloxApp::~VelloxApp() {
  if (theApp == this) theApp = nullptr;
}

void VelloxApp::TakeProgramPath() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  programPath = path;
  if (IsInstallerProgramPath(programPath)) runMode = kRunInstaller;
  size_t cut = programPath.find_last_of('\\');
  programFolder = cut == std::string::npos ? std::string() : programPath.substr(0, cut + 1);
  helpPath = programFolder + kHelpFileName;
}

void VelloxApp::SetLocaleFromUser() {
  char name[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, name, sizeof name))
    setlocale(LC_ALL, name);
}

bool VelloxApp::EnforceSingleInstance() {
  HANDLE mutex = nullptr;
  bool otherRunning = AnotherInstanceIsRunning(&mutex);
  instanceMutex.Reset(mutex);
  if (!otherRunning) return true;
  if (HWND running = FindRunningInstance()) HandOverCommandLine(running, commandLine);
  return false;
}

void VelloxApp::RemoveOldInstaller() {
  const std::string& installer = settings.installer;
  if (installer.empty() || lstrcmpiA(installer.c_str(), programPath.c_str()) == 0) return;
  if (GetFileAttributesA(installer.c_str()) != INVALID_FILE_ATTRIBUTES)
    DeleteFileA(installer.c_str());
  if (GetFileAttributesA(installer.c_str()) == INVALID_FILE_ATTRIBUTES)
    ClearMachineInstallerEntry(&settings);
}

void VelloxApp::StartSubsystems() {
  oleInitialized = SUCCEEDED(OleInitialize(nullptr));
  accessibilityLibrary.Reset(LoadLibraryA("OLEACC.DLL"));
  InitCommonControls();
  acceleratorTable.Reset(
      LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS)));
}

bool VelloxApp::CreateCommandWindow() {
  WNDCLASSEXA wc = {};
  wc.hIcon = largeIcon;
  wc.hIconSm = largeIcon;
  wc.lpszClassName = kCommandWindowClass;
  commandWindowClass = framework::Window::RegisterClass(wc);
  commandWindow = std::make_unique<AppCommandWindow>();
  framework::CreateArgs args;
  args.className = kCommandWindowClass;
  args.title = "Vellox";
  args.style =
      settings.HasBehaviour(kBehaviourUseTray) ? kHiddenCommandWindowStyle : kCommandWindowStyle;
  args.rect = {0, 0, 0, 0};
  if (!commandWindow->Create(args)) return false;
  SetMainWindow(commandWindow->Handle());
  return true;
}

void VelloxApp::OpenFirstList() {
  bool opened = false;
  if (!commandLine.empty() && GetFileAttributesA(commandLine.c_str()) != INVALID_FILE_ATTRIBUTES)
    opened = OpenListByPath(commandLine);
  if (!opened && settings.currentListIndex >= 0) opened = OpenKnownList(settings.currentListIndex);
  if (Main() && lists.HasCurrent()) Main()->RefreshDisplay();
}

bool VelloxApp::InitInstance() {
  ResetSettingsToDefaults(&settings);
  TakeProgramPath();
  // Paths inside the application folder are stored relative to it.
  settings.appFolder = programFolder;
  largeIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VELLOX_LARGE));
  smallIcon = static_cast<HICON>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VELLOX_SMALL), IMAGE_ICON, 16, 16, 0));
  SetLocaleFromUser();
  commandLine = CommandLineArgument(GetCommandLineA());

  if (IsUninstallSwitch(commandLine)) {
    LoadMachineSettings(&settings);
    runMode = kRunUninstaller;
  } else {
    if (runMode == kRunInstaller) UseInstalledFolderForPaths();
    if (!LoadSettings(&settings) && runMode != kRunInstaller) runMode = kRunNotConfigured;
    if (runMode < kRunInstaller && !EnforceSingleInstance()) return false;
    if (runMode == kRunInstaller) {
      // The installer's work ends with its dialog (or the unattended run).
      installerExitCode = RunInstaller(&settings, programPath, commandLine);
      return false;
    }
    if (runMode < kRunNotConfigured) RemoveOldInstaller();
    // The installed browsers when none is configured, and what the table
    // knows of each configured one.
    browser::RegistryInstalledPrograms installedPrograms;
    browser::PrepareBrowsers(&settings, installedPrograms);
    StartSubsystems();
  }

  CreateSharedDrawingResources(settings);
  if (!CreateCommandWindow()) return false;
  SetAccelerators(acceleratorTable.Get(), nullptr);
  if (runMode == kRunUninstaller) {
    commandWindow->RunUninstall();
    return false;
  }
  // A user without settings chooses the setup first; cancelling ends.
  if (runMode == kRunNotConfigured) {
    if (!commandWindow->RunFirstSetup()) return false;
    runMode = kRunOrdinary;
  }
  commandWindow->BuildMainWindow(settings.WindowMode(),
                                 settings.HasBehaviour(kBehaviourStartMinimized));
  OpenFirstList();
  if (Main() && !settings.HasBehaviour(kBehaviourStartMinimized)) Main()->ShowTipsAtStart();
  return true;
}

void VelloxApp::UseInstalledFolderForPaths() {
  // The installer runs from elsewhere: the stored relative paths belong to
  // the installed program's folder.
  Settings machine;
  LoadMachineSettings(&machine);
  size_t cut = machine.appPath.find_last_of('\\');
  if (cut != std::string::npos) settings.appFolder = machine.appPath.substr(0, cut + 1);
}

int VelloxApp::ExitInstance() {
  acceleratorTable.Reset();
  DeleteSharedDrawingResources();
  if (commandWindow) commandWindow->DeleteMainWindow();
  CloseHelp();
  // Nothing is saved here: the main window offered to save before closing.
  lists.CloseAll();
  accessibilityLibrary.Reset();
  if (oleInitialized) OleUninitialize();
  instanceMutex.Reset();
  if (commandWindow) {
    commandWindow->Destroy();
    commandWindow.reset();
  }
  int exitCode = framework::Application::ExitInstance();
  return runMode == kRunInstaller ? installerExitCode : exitCode;
}

bool VelloxApp::OnIdle(long /*count*/) {
  // Only the message loop itself calls this, never a modal one: what
  // waited for the lists to be free runs now.
  if (commandWindow && commandWindow->RunWaitingWork()) return true;
  if (Main() && lists.AutosaveDue()) {
    lists.Autosave(settings.HasBehaviour(kBehaviourAskBeforeSaving));
    if (Main()) Main()->UpdateStatusLine();
  }
  if (lists.ScanDueVisits() && Main() && Main()->IsVisible()) Main()->ShowDueVisitAlert();
  // The site checks: the current list's through the checking dialog, then
  // a check started in the list that holds marks. A closed list's checks
  // are dropped, and nothing is written into it.
  checks.KeepOnly(lists.currentList.get(), lists.markHoldingList.get());
  bool checking = Main() && Main()->CheckingStep();
  if (CheckRun* other = checks.Find(lists.markHoldingList.get()))
    checking = other->PollCheck(nullptr) == kPollStored || checking;
  if (lists.DueVisitScanInProgress() || checking) return true;
  return false;
}
