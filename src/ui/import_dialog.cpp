// "Import Bookmark Collection" (509): the source rows, the candidates of
// the chosen row's profiles, the destination, the rating and the add-http
// box; "&Import" checks the path, remembers it and has the main window
// import.
#include <string>
#include <vector>

#include "exchange/import_sources.h"
#include "exchange/profile_paths.h"
#include "framework/controls.h"
#include "list/list_slots.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "settings/exchange_paths.h"
#include "ui/exchange_dialogs.h"
#include "ui/exchange_path_dialog.h"
#include "util/ensure_folder.h"
#include "util/messages.h"

namespace {

constexpr int kAolSource = 3;
constexpr uint8_t kThreeStars = 3;
constexpr char kListExtension[] = ".bkl";

bool EndsWithNoCase(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         platform::LowerAnsiText(text.substr(text.size() - end.size())) == end;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

class ImportDialog : public ExchangePathDialog {
 public:
  explicit ImportDialog(const ImportDialogContext& context)
      : ExchangePathDialog(IDD_IMPORT), context_(context), settings_(*context.settings) {}
  bool imported = false;

 protected:
  bool OnInit() override {
    framework::ComboBox sources(Item(IDC_IMPORT_SOURCE));
    for (int code = 0; code < kImportSourceCount; ++code)
      sources.Add(ImportSourceAt(code)->displayName);
    std::string browser;
    if (settings_.defaultBrowser >= 0 &&
        settings_.defaultBrowser < static_cast<int>(settings_.browsers.size()))
      browser = settings_.browsers[static_cast<size_t>(settings_.defaultBrowser)].name;
    sources.Select(InitialImportSource(browser));

    framework::ComboBox lists(Item(IDC_APPEND_LIST));
    for (const OpenListChoice& choice : context_.openLists) lists.Add(choice.name);
    lists.Select(0);
    const bool canAppend = !context_.openLists.empty();
    // The List menu holds at most kMaxKnownLists lists.
    const bool canCreate = settings_.lists.size() < kMaxKnownLists;
    EnableItem(IDC_APPEND_TO_LIST, canAppend);
    EnableItem(IDC_SAVE_AS_NEW_LIST, canCreate);
    CheckButton(canAppend || !canCreate ? IDC_APPEND_TO_LIST : IDC_SAVE_AS_NEW_LIST, true);
    CheckButton(IDC_UNRATED, true);
    SourceChanged();
    return true;
  }

  bool OnCommand(int id, int code, HWND control) override {
    switch (id) {
      case IDC_IMPORT_SOURCE:
        if (code == CBN_SELCHANGE) SourceChanged();
        return true;
      case IDC_APPEND_TO_LIST:
      case IDC_SAVE_AS_NEW_LIST:
        EnableDestination();
        return true;
      default:
        return ExchangePathDialog::OnCommand(id, code, control);
    }
  }

  void OnOK() override {
    const int code = SourceCode();
    const ImportSource* source = ImportSourceAt(code);
    std::string path = ItemText(IDC_EXCHANGE_PATH);
    if (!source->pattern) {
      // A folder row: a missing folder is offered for creation, as
      // everywhere a folder is asked for.
      std::string folder = path;
      if (path.empty() || !EnsureFolder(hwnd_, &folder, false, true, true)) return;
    } else if (path.empty() || !platform::FileExists(path.c_str()) ||
               platform::FolderExists(path.c_str())) {
      MessageFromTable(hwnd_, IDS_FILE_MISSING, MB_OK | MB_ICONEXCLAMATION, {path});
      return;
    }
    RememberExchangePath(&settings_, source->key, path);

    ImportRequest request;
    request.sourceCode = code;
    request.path = path;
    if (IsChecked(IDC_SAVE_AS_NEW_LIST) || context_.openLists.empty()) {
      request.newListPath = ItemText(IDC_NEW_LIST_PATH);
      if (request.newListPath.empty()) return;
      if (!EndsWithNoCase(request.newListPath, kListExtension))
        request.newListPath += kListExtension;
    } else {
      int chosen = framework::ComboBox(Item(IDC_APPEND_LIST)).Selection();
      if (chosen < 0 || chosen >= static_cast<int>(context_.openLists.size())) chosen = 0;
      request.into = context_.openLists[static_cast<size_t>(chosen)].list;
    }
    request.options.rating = IsChecked(IDC_RATED_THREE) ? kThreeStars : 0;
    request.options.addHttp = IsChecked(IDC_ADD_HTTP);

    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ImportOutcome outcome = context_.perform(request);
    SetCursor(previous);
    if (outcome == ImportOutcome::kFailed)
      MessageFromTable(hwnd_, IDS_IMPORT_FAILED, MB_OK | MB_ICONEXCLAMATION);
    if (outcome == ImportOutcome::kStopped) return;
    // A new list is open now, with what was imported before a failure: the
    // dialog's destinations no longer hold, so it closes either way. An
    // import into an open list may be tried again.
    if (outcome == ImportOutcome::kFailed && request.into) return;
    imported = outcome == ImportOutcome::kImported;
    End(imported ? IDOK : IDCANCEL);
  }

 private:
  int SourceCode() const {
    int code = framework::ComboBox(Item(IDC_IMPORT_SOURCE)).Selection();
    return ImportSourceAt(code) ? code : kFavoritesSource;
  }

  // The row decides the proposed list name, the add-http box and the
  // profile candidates.
  void SourceChanged() {
    const int code = SourceCode();
    const ImportSource* source = ImportSourceAt(code);
    SetItemText(IDC_NEW_LIST_PATH, JoinPath(settings_.listFolder, ProposedListFileName(code)));
    CheckButton(IDC_ADD_HTTP, code == kAolSource);
    ProfileEnvironment env = UserProfileEnvironment(code, LastExchangePath(settings_, source->key));
    OfferCandidates(FindProfilePaths(code, env), source->kindSuffix);
    EnableDestination();
  }

  void EnableDestination() {
    const bool toNew = IsChecked(IDC_SAVE_AS_NEW_LIST);
    EnableItem(IDC_APPEND_LIST, !toNew && !context_.openLists.empty());
    EnableItem(IDC_NEW_LIST_PATH, toNew);
  }

  bool ChoosePath(std::string* path) override {
    const ImportSource* source = ImportSourceAt(SourceCode());
    if (!source->pattern) return ChooseExchangeFolder(hwnd_, source->displayName, path);
    std::string shown = source->pattern;
    for (size_t at = shown.find(';'); at != std::string::npos; at = shown.find(';', at + 2))
      shown.replace(at, 1, ", ");
    std::string kind = source->kindSuffix;
    if (!kind.empty() && kind[0] == ' ') kind.erase(0, 1);
    std::string filter = kind + " (" + shown + ")|" + source->pattern + "|All files (*.*)|*.*||";
    return ChooseExchangeFile(hwnd_, source->displayName, filter, "", false, path);
  }

  const ImportDialogContext& context_;
  Settings& settings_;
};

}  // namespace

bool RunImportDialog(HWND parent, const ImportDialogContext& context) {
  ImportDialog dialog(context);
  dialog.Run(parent);
  return dialog.imported;
}
