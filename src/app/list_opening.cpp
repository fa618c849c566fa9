#include "app/list_opening.h"

#include <windows.h>

#include "app/application.h"
#include "framework/message_loop.h"
#include "platform/platform.h"
#include "settings/settings_store.h"
#include "ui/list_dialogs.h"
#include "ui/main_window.h"

namespace {

HWND MainHandle() { return currentMainWindow ? currentMainWindow->Handle() : nullptr; }

class ProgramListHost : public ListHost {
 public:
  void* OwnerWindow() override { return MainHandle(); }
  void ShowMainWindow() override {
    if (currentMainWindow && (!currentMainWindow->IsVisible() || IsIconic(MainHandle())))
      currentMainWindow->Show(SW_RESTORE);
  }
  void ListsChanged() override {
    if (currentMainWindow) currentMainWindow->RefreshDisplay();
  }
  void SaveSettings() override { ::SaveSettings(App().settings, false); }
  bool RequestPassword(const std::string& title, std::string* password) override {
    return RunPasswordDialog(MainHandle(), title, password);
  }
  void RaisePasswordRequest() override {
    if (HWND open = OpenPasswordDialog()) SetForegroundWindow(open);
  }
  bool ShowReadOnlyWarning() override { return RunReadOnlyWarning(MainHandle()); }
  int ChooseRevert(const RevertChoices& choices) override {
    return RunRevertDialog(MainHandle(), choices);
  }
  bool ChooseCopyPath(const std::string& title, const std::string& folder, const std::string& name,
                      std::string* path) override {
    return ChooseSaveCopyPath(MainHandle(), title, folder, name, path);
  }
  void PumpWait(uint32_t milliseconds) override { framework::PumpWait(milliseconds); }
  void BeginWaitCursor() override { previousCursor_ = SetCursor(LoadCursor(nullptr, IDC_WAIT)); }
  void EndWaitCursor() override { SetCursor(previousCursor_); }

 private:
  HCURSOR previousCursor_ = nullptr;
};

}  // namespace

ListHost& AppListHost() {
  static ProgramListHost host;
  return host;
}

bool OpenListByPath(const std::string& path) { return App().lists.OpenListByPath(path, false); }

bool OpenKnownList(int index) { return App().lists.OpenKnownList(index, false); }

bool OpenOrCreateListFromDialog() {
  VelloxApp& app = App();
  std::string path;
  if (!ChooseListPath(MainHandle(), app.settings.listFolder, &path)) return false;
  if (!platform::FileExists(path.c_str()) && !app.lists.CreateList(path, false)) return false;
  return app.lists.OpenListByPath(path, false);
}

bool EditEncryptionOptions() {
  ListSlots& lists = App().lists;
  if (!lists.HasCurrent() || lists.currentList->readOnly) return false;
  if (!RunEncryptionOptionsDialog(MainHandle(), *lists.currentList)) return false;
  AppListHost().ListsChanged();
  return true;
}
