#include "app/list_opening.h"

#include <windows.h>

#include "app/application.h"
#include "framework/message_loop.h"
#include "settings/settings_store.h"
#include "ui/list_dialogs.h"
#include "ui/main_window.h"

namespace {

MainWindow* Main() { return App().Main(); }

HWND MainHandle() { return Main() ? Main()->Handle() : nullptr; }

class ProgramListHost : public ListHost {
 public:
  void* OwnerWindow() override { return MainHandle(); }
  void ShowMainWindow() override {
    if (Main() && (!Main()->IsVisible() || IsIconic(MainHandle()))) Main()->Show(SW_RESTORE);
  }
  void ListsChanged() override {
    if (Main()) Main()->RefreshDisplay();
  }
  void SaveSettings() override { ::SaveSettings(App().settings, true); }
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
  bool SiteCheckRunning(const BookmarkList& list) override { return App().checks.AnyRunning(list); }
  void PumpWait(uint32_t milliseconds) override {
    ++waiting_;
    framework::PumpWait(milliseconds);
    --waiting_;
  }
  bool Waiting() const { return waiting_ > 0; }
  void BeginWaitCursor() override { previousCursor_ = SetCursor(LoadCursor(nullptr, IDC_WAIT)); }
  void EndWaitCursor() override { SetCursor(previousCursor_); }

 private:
  HCURSOR previousCursor_ = nullptr;
  int waiting_ = 0;
};

ProgramListHost& TheHost() {
  static ProgramListHost host;
  return host;
}

}  // namespace

ListHost& AppListHost() { return TheHost(); }

bool ListsWaitingInSave() { return TheHost().Waiting(); }

bool OpenListByPath(const std::string& path) { return App().lists.OpenListByPath(path, false); }

bool OpenKnownList(int index) { return App().lists.OpenKnownList(index, false); }
