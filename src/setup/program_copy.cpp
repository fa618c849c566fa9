#include "setup/program_copy.h"

#include <windows.h>

#include "framework/message_loop.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "setup/file_tree.h"
#include "setup/program_files.h"
#include "util/single_instance_win.h"

namespace {

// Unattended, a file that stays locked is given up after this many tries.
constexpr int kQuietAttempts = 5;
constexpr DWORD kCloseWaitMs = 1000;

int CopyTree(const std::string& from, const std::string& to, InstallPrompter* prompter) {
  if (!MakeFolderTree(to)) return IDS_INSTALL_PROBLEM;
  for (const std::string& name : MatchingFiles(WithBackslash(from) + "*"))
    if (int abandoned =
            CopyReplacing(WithBackslash(from) + name, WithBackslash(to) + name, prompter))
      return abandoned;
  for (const std::string& name : SubFolders(from))
    if (int abandoned = CopyTree(WithBackslash(from) + name, WithBackslash(to) + name, prompter))
      return abandoned;
  return 0;
}

}  // namespace

int CopyReplacing(const std::string& from, const std::string& to, InstallPrompter* prompter) {
  for (int attempt = 1;; ++attempt) {
    SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return 0;
    if (prompter->IsQuiet() && attempt > kQuietAttempts) return prompter->LastMessage();
    // A running copy of the program keeps its file from being replaced.
    if (HWND running = FindRunningInstance()) {
      int answer = prompter->Ask(IDS_CLOSE_RUNNING_INSTANCE,
                                 platform::kMbYesNoCancel | platform::kMbIconQuestion);
      if (answer == platform::kIdCancel) return IDS_CLOSE_RUNNING_INSTANCE;
      if (answer == platform::kIdYes) {
        PostMessageA(running, WM_CLOSE, 0, 0);
        framework::PumpWait(kCloseWaitMs);
      }
    } else if (prompter->Ask(IDS_INSTALL_PROBLEM,
                             platform::kMbRetryCancel | platform::kMbIconWarning) !=
               platform::kIdRetry) {
      return IDS_INSTALL_PROBLEM;
    }
  }
}

int CopyProgramFiles(const std::string& sourceProgram, const std::string& sourceFolder,
                     const std::string& appFolder, InstallPrompter* prompter) {
  const std::string from = WithBackslash(sourceFolder);
  const std::string to = WithBackslash(appFolder);
  while (!MakeFolderTree(to)) {
    if (prompter->IsQuiet() ||
        prompter->Ask(IDS_INSTALL_PROBLEM, platform::kMbRetryCancel | platform::kMbIconWarning) !=
            platform::kIdRetry)
      return IDS_INSTALL_PROBLEM;
  }
  if (int abandoned = CopyReplacing(sourceProgram, to + ProgramFileName(kProgramFileExe), prompter))
    return abandoned;
  for (int index = kProgramFileExe + 1; index < kProgramFileTemplates; ++index) {
    std::string name = ProgramFileName(index);
    if (!IsExistingFile(from + name)) continue;
    if (int abandoned = CopyReplacing(from + name, to + name, prompter)) return abandoned;
  }
  const std::string templates = ProgramFileName(kProgramFileTemplates);
  if (!IsExistingFolder(from + templates)) return 0;
  // Updating keeps the user's own templates: same-named files are replaced.
  if (IsExistingFolder(to + templates) &&
      prompter->Ask(IDS_UPDATE_TEMPLATES, platform::kMbYesNo | platform::kMbIconQuestion) !=
          platform::kIdYes)
    return 0;
  return CopyTree(from + templates, to + templates, prompter);
}
