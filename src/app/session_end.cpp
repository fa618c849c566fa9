// The end of the session (log-off, shut-down): the command window is the
// one top-level window that answers WM_QUERYENDSESSION and WM_ENDSESSION,
// so that the lists are saved once, whichever windows the system asks.
#include "app/app_command_window.h"
#include "app/application.h"
#include "app/list_opening.h"
#include "app/run_mode.h"
#include "settings/settings_store.h"

namespace {

// As at exit: not after a removal, nor before the first setup is done.
void SaveProgramSettings(MainWindow* main) {
  VelloxApp& app = App();
  if (app.runMode == kRunUninstaller || app.runMode >= kRunNotConfigured) return;
  if (main) main->SaveWindowPositions();
  SaveSettings(app.settings, false);
}

}  // namespace

bool AppCommandWindow::OnQueryEndSession() {
  sessionEndAsked_ = false;
  // Under a prompt or a save the lists cannot be asked about again; they
  // are saved at WM_ENDSESSION instead. The question is the same as at
  // exit: No leaves the file as it is, Cancel keeps the session going.
  if (mainWindow_ && !ListsInUse()) {
    if (!mainWindow_->SaveBeforeLeavingLists(true)) return false;
    sessionEndAsked_ = true;
  }
  SaveProgramSettings(mainWindow_.get());
  return true;
}

void AppCommandWindow::OnEndSession(bool ending) {
  const bool asked = sessionEndAsked_;
  sessionEndAsked_ = false;
  if (!ending) return;
  // The process may be ended as soon as this returns: what is still
  // changed is saved without a question (a save waiting in the pump is
  // left to finish).
  if (mainWindow_ && !asked && !ListsWaitingInSave())
    mainWindow_->SaveIfChanged(true, false, false);
  SaveProgramSettings(mainWindow_.get());
}
