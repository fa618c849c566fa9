// The main window's help: F1 and "&Help Contents" open the help at the
// topic of the window's mode, F1 in an open menu at the topic of the
// highlighted command, and the Help menu's four "How to" entries at their
// own topics. F1 arrives as WM_HELP, which the system makes of the key
// (it is no accelerator): the dialogs the window owns get their own and
// open their own topics.
#include "resources/resource.h"
#include "settings/settings.h"
#include "ui/help_topics.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"

int MainWindow::CurrentHelpContext() const {
  switch (mode_) {
    case kModeCompact:
      return CommandHelpContext(ID_CMD_MODE_COMPACT);
    case kModeOrganize:
      return CommandHelpContext(ID_CMD_MODE_ORGANIZE);
    default:
      return CommandHelpContext(ID_CMD_MODE_REGULAR);
  }
}

void MainWindow::OnHelpContents(int /*id*/) { ShowHelpTopic(hwnd_, CurrentHelpContext()); }

void MainWindow::OnHelpTopic(int id) { ShowHelpTopic(hwnd_, CommandHelpContext(id)); }

void MainWindow::OnHelpRequest(const HELPINFO& info) {
  // F1 over a menu item: that command's topic, when it has one.
  if (info.iContextType == HELPINFO_MENUITEM && FindHelpTopic(CommandHelpContext(info.iCtrlId))) {
    ShowHelpTopic(hwnd_, CommandHelpContext(info.iCtrlId));
    return;
  }
  OnHelpContents(ID_CMD_HELP_CONTENTS);
}
