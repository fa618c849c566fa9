#include "setup/installer.h"

#include <windows.h>
// The shell and COM headers need windows.h first.
#include <shellapi.h>

#include "platform/platform.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "setup/companion_registration.h"
#include "setup/file_tree.h"
#include "setup/install_dialog.h"
#include "setup/install_registry.h"
#include "setup/list_relocation.h"
#include "setup/program_copy.h"
#include "setup/program_files.h"
#include "setup/shortcuts.h"
#include "util/registry_win.h"

namespace {

// The program file lands in the application folder under its own name,
// whatever the installer's file is called.
int PlaceProgramFiles(const InstallContext& context, const std::string& appFolder,
                      InstallPrompter* prompter) {
  const std::string sourceFolder = FolderOfPath(context.sourceProgram);
  if (!SameFolder(appFolder, sourceFolder))
    return CopyProgramFiles(context.sourceProgram, sourceFolder, appFolder, prompter);
  const std::string programPath = appFolder + ProgramFileName(kProgramFileExe);
  if (lstrcmpiA(context.sourceProgram.c_str(), programPath.c_str()) == 0) return 0;
  return CopyReplacing(context.sourceProgram, programPath, prompter);
}

std::string SampleList(const std::string& appFolder, const std::string& sourceFolder) {
  const std::string name = ProgramFileName(kProgramFileDefaultList);
  return IsExistingFile(appFolder + name) ? appFolder + name : sourceFolder + name;
}

// The machine-wide keys need an administrator.
bool MayWriteMachineKeys() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_CREATE_SUB_KEY | KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

void LaunchProgram(const std::string& programPath) {
  std::string folder = WithoutBackslash(FolderOfPath(programPath));
  ShellExecuteA(nullptr, "open", programPath.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
}

}  // namespace

int RunInstallation(const InstallContext& context, const InstallChoices& choices,
                    InstallPrompter* prompter) {
  Settings& settings = *context.settings;
  const std::string appFolder = WithBackslash(choices.appFolder);
  const std::string programPath = appFolder + ProgramFileName(kProgramFileExe);
  if (int stopped = PlaceProgramFiles(context, appFolder, prompter)) return stopped;

  const Settings before = settings;
  const std::string oldListFolder = settings.listFolder;
  const std::string newListFolder =
      WithoutBackslash(ResolveListFolder(choices.listFolder, appFolder));
  settings.appFolder = appFolder;
  settings.appPath = programPath;
  settings.startMenu = choices.startMenu;
  settings.listFolder = newListFolder;
  const std::string installer = context.recordInstaller ? context.sourceProgram : std::string();
  if (!installer.empty()) settings.installer = installer;
  if (!WriteInstallRegistry(programPath, choices.startMenu, installer) ||
      SaveSettings(settings, false) != 0) {
    settings = before;
    prompter->Ask(IDS_REGISTRY_ERROR, platform::kMbOk | platform::kMbIconStop);
    return IDS_REGISTRY_ERROR;
  }
  RegisterCompanionLibrary(appFolder);

  MoveListsToFolder(&settings, oldListFolder, newListFolder, prompter);
  AddStarterList(&settings, newListFolder,
                 SampleList(appFolder, FolderOfPath(context.sourceProgram)));
  SaveSettings(settings, true);

  CreateShortcuts(choices, programPath, appFolder + ProgramFileName(kProgramFileHelp));
  return 0;
}

int CheckAndInstall(const InstallContext& context, const InstallChoices& choices,
                    InstallPrompter* prompter) {
  if (int invalid = CheckInstallChoices(choices)) {
    prompter->Ask(invalid, platform::kMbOk | platform::kMbIconWarning);
    return invalid;
  }
  if (!choices.AnyShortcut() &&
      prompter->Ask(IDS_NO_SHORTCUTS, platform::kMbYesNo | platform::kMbIconQuestion) ==
          platform::kIdYes)
    return -1;
  return RunInstallation(context, choices, prompter);
}

int RunInstaller(Settings* settings, const std::string& programPath,
                 const std::string& commandLine) {
  std::string folder;
  const bool quiet = ParseUnattendedSwitch(commandLine, &folder);
  InstallPrompter prompter(nullptr, quiet);
  if (!MayWriteMachineKeys()) {
    prompter.Ask(IDS_NOT_ADMINISTRATOR, platform::kMbOk | platform::kMbIconStop);
    return IDS_NOT_ADMINISTRATOR;
  }
  InstallContext context;
  context.settings = settings;
  context.sourceProgram = programPath;
  context.recordInstaller = true;
  InstallChoices choices =
      DefaultInstallChoices(SetupForm::kInstall, *settings, FolderOfPath(programPath));
  if (quiet) {
    if (!folder.empty()) choices.appFolder = folder;
    return CheckAndInstall(context, choices, &prompter);
  }
  InstallDialog dialog(SetupForm::kInstall, context, choices);
  if (dialog.Run(nullptr) != IDOK) return IDCANCEL;
  if (prompter.Ask(IDS_LAUNCH_NOW, platform::kMbYesNo | platform::kMbIconQuestion) ==
      platform::kIdYes)
    LaunchProgram(settings->appPath);
  return 0;
}

bool RunSetupDialog(void* owner, Settings* settings, const std::string& programPath) {
  InstallContext context;
  context.settings = settings;
  context.sourceProgram = programPath;
  InstallDialog dialog(
      SetupForm::kSetup, context,
      DefaultInstallChoices(SetupForm::kSetup, *settings, FolderOfPath(programPath)));
  return dialog.Run(static_cast<HWND>(owner)) == IDOK;
}

void ClearMachineInstallerEntry(Settings* settings) {
  settings->installer.clear();
  RegWriteString(HKEY_LOCAL_MACHINE, kSettingsKey, "Installer", "");
}
