// File > Import (509) and File > Export (507) from the main window: the
// dialogs are handed the open lists; an import into an open list goes
// through the list model, one into a new list through the list creation
// and the List menu, and either is shown at once.
#include <string>

#include "browser/open_address.h"
#include "browser/open_ports.h"
#include "browser/open_system_win.h"
#include "exchange/import_collection.h"
#include "ui/exchange_dialogs.h"
#include "ui/main_window.h"
#include "util/messages.h"

namespace {

constexpr char kTemplatesFolder[] = "Templates";

// Showing an exported file or folder is no visit of a bookmark: the host
// only passes the messages on.
class ResultOpenHost : public browser::OpenHost {
 public:
  explicit ResultOpenHost(HWND owner) : owner_(owner) {}
  void ShowMessage(int id, const std::string& argument) override {
    MessageFromTable(owner_, id, MB_OK | MB_ICONEXCLAMATION, {argument});
  }
  void ShowBrowserPreferences() override {}
  void RecordVisit() override {}
  void Minimize() override {}
  bool AskQuickSearchText(const std::string&, std::string*) override { return false; }

 private:
  HWND owner_;
};

}  // namespace

void MainWindow::OnImport(int /*id*/) {
  ImportDialogContext context;
  context.settings = &settings_;
  if (lists_.CurrentIsWritable())
    context.openLists.push_back({lists_.CurrentName(), lists_.currentList.get()});
  if (lists_.markHoldingList && !lists_.markHoldingList->readOnly)
    context.openLists.push_back(
        {lists_.NameOf(*lists_.markHoldingList, lists_.markHoldingListIndex),
         lists_.markHoldingList.get()});
  context.perform = [this](const ImportRequest& request) { return PerformImport(request); };
  RunImportDialog(hwnd_, context);
  UpdateStatusLine();
}

ImportOutcome MainWindow::PerformImport(const ImportRequest& request) {
  BookmarkList* target = request.into;
  if (!target) {
    // The open list is offered for saving before the new one replaces it.
    if (!SaveBeforeLeavingLists(false)) return ImportOutcome::kStopped;
    if (!lists_.CreateList(request.newListPath, false)) return ImportOutcome::kStopped;
    if (!lists_.OpenListByPath(request.newListPath, false)) return ImportOutcome::kStopped;
    target = lists_.currentList.get();
    if (!target) return ImportOutcome::kStopped;
  }
  const int result = ImportCollection(*target, request.sourceCode, request.path, request.options);
  // Whatever was appended (also before a failure) is shown.
  RefreshDisplay();
  return result == 0 ? ImportOutcome::kImported : ImportOutcome::kFailed;
}

void MainWindow::OnExport(int /*id*/) {
  ExportDialogContext context;
  context.settings = &settings_;
  if (lists_.HasCurrent())
    context.openLists.push_back({lists_.CurrentName(), lists_.currentList.get()});
  if (lists_.markHoldingList)
    context.openLists.push_back(
        {lists_.NameOf(*lists_.markHoldingList, lists_.markHoldingListIndex),
         lists_.markHoldingList.get()});
  context.templatesFolder = settings_.appFolder + kTemplatesFolder;
  context.openResult = [this](const std::string& path) {
    browser::OpenRequest request;
    request.address = path;
    browser::WinOpenSystem system;
    ResultOpenHost host(hwnd_);
    browser::OpenAddress(request, settings_, system, host);
  };
  RunExportDialog(hwnd_, context);
}
