// "Export Bookmark List" (507): the open list, the marked and SmartFolder
// boxes, the templates by name and the two folder formats, the destination
// with its candidates; "&Export" checks the destination, writes and offers
// to show the result.
#include <string>
#include <utility>
#include <vector>

#include "exchange/export_choices.h"
#include "exchange/favorites_export.h"
#include "exchange/import_sources.h"
#include "exchange/profile_paths.h"
#include "exchange/template_export.h"
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

constexpr int kFavoritesFormat = 0;  // rows of FavoritesTargetAt
constexpr int kStartMenuFormat = 1;

class ExportDialog : public ExchangePathDialog {
 public:
  explicit ExportDialog(const ExportDialogContext& context)
      : ExchangePathDialog(IDD_EXPORT), context_(context), settings_(*context.settings) {}
  bool exported = false;

 protected:
  bool OnInit() override {
    framework::ComboBox lists(Item(IDC_EXPORT_LIST));
    for (const OpenListChoice& choice : context_.openLists) lists.Add(choice.name);
    lists.Select(0);
    ListChanged();
    CheckButton(IDC_EXCLUDE_SMART, true);

    templates_ = ListExportTemplates(context_.templatesFolder);
    framework::ComboBox box(Item(IDC_TEMPLATE));
    for (const TemplateCatalogRow& row : templates_) box.Add(row.name);
    // The entry used last decides: one of the templates, else the folder
    // format whose key it is (the favorites by default).
    const std::string lastKey = LastExchangeKey(settings_);
    int chosen = -1;
    for (size_t i = 0; i < templates_.size() && !lastKey.empty(); ++i)
      if (TemplateKey(templates_[i]) == lastKey) chosen = static_cast<int>(i);
    box.Select(chosen >= 0 ? chosen : 0);
    EnableItem(IDC_USE_TEMPLATE, !templates_.empty());
    int format = IDC_USE_TEMPLATE;
    if (chosen < 0)
      format = lastKey == FavoritesTargetAt(kStartMenuFormat)->key ? IDC_EXPORT_START_MENU
                                                                   : IDC_EXPORT_FAVORITES;
    CheckButton(format, true);
    FormatChanged();
    return true;
  }

  bool OnCommand(int id, int code, HWND control) override {
    switch (id) {
      case IDC_EXPORT_LIST:
        if (code == CBN_SELCHANGE) ListChanged();
        return true;
      case IDC_TEMPLATE:
        if (code == CBN_SELCHANGE) {
          CheckButton(IDC_USE_TEMPLATE, true);
          CheckButton(IDC_EXPORT_FAVORITES, false);
          CheckButton(IDC_EXPORT_START_MENU, false);
          FormatChanged();
        }
        return true;
      case IDC_USE_TEMPLATE:
      case IDC_EXPORT_FAVORITES:
      case IDC_EXPORT_START_MENU:
        FormatChanged();
        return true;
      default:
        return ExchangePathDialog::OnCommand(id, code, control);
    }
  }

  void OnOK() override {
    BookmarkList* list = ChosenList();
    const TemplateCatalogRow* row = ChosenTemplate();
    std::string path = ItemText(IDC_EXCHANGE_PATH);
    if (!list || !ExportDestinationComplete(path, row != nullptr)) {
      MessageFromTable(hwnd_, IDS_EXPORT_DESTINATION_MISSING, MB_OK | MB_ICONINFORMATION);
      return;
    }
    int result = 0;
    ExportSelection selection{IsChecked(IDC_ONLY_MARKED) && IsItemEnabled(IDC_ONLY_MARKED),
                              IsChecked(IDC_EXCLUDE_SMART)};
    if (row) {
      if (platform::FileExists(path.c_str())) {
        if (MessageFromTable(hwnd_, IDS_OVERWRITE_FILE, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
          return;
      } else {
        std::string folder = path;
        if (!EnsureFolder(hwnd_, &folder, true, true, true)) return;
      }
      RememberExchangePath(&settings_, TemplateKey(*row), path);
      TemplateExportOptions options;
      options.listTitle = ChosenListName();
      options.onlyMarked = selection.onlyMarked;
      options.excludeSmartFolders = selection.excludeSmartFolders;
      HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
      result = ExportWithTemplate(*list, path, row->path, row->format, options);
      SetCursor(previous);
    } else {
      std::string folder = path;
      if (!EnsureFolder(hwnd_, &folder, false, true, true)) return;
      if (MessageFromTable(hwnd_, IDS_FAVORITES_OVERWRITE_WARNING,
                           MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
      RememberExchangePath(&settings_, ChosenFolderFormat()->key, path);
      HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
      result = ExportFavoritesFolder(*list, hwnd_, path, selection);
      SetCursor(previous);
    }
    if (result != 0) {
      // The engines' own codes have no text of the system's.
      std::string reason = ExportFailureText(result, row != nullptr);
      if (reason.empty()) reason = platform::SystemErrorText(static_cast<uint32_t>(result));
      MessageFromTable(hwnd_, IDS_EXPORT_FAILED, MB_OK | MB_ICONEXCLAMATION, {reason});
      return;
    }
    exported = true;
    if (MessageFromTable(hwnd_, IDS_EXPORT_FINISHED, MB_YESNO | MB_ICONQUESTION) == IDYES &&
        context_.openResult)
      context_.openResult(path);
    End(IDOK);
  }

 private:
  bool IsItemEnabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }

  BookmarkList* ChosenList() const {
    int chosen = framework::ComboBox(Item(IDC_EXPORT_LIST)).Selection();
    if (chosen < 0 || chosen >= static_cast<int>(context_.openLists.size())) return nullptr;
    return context_.openLists[static_cast<size_t>(chosen)].list;
  }
  std::string ChosenListName() const {
    int chosen = framework::ComboBox(Item(IDC_EXPORT_LIST)).Selection();
    if (chosen < 0 || chosen >= static_cast<int>(context_.openLists.size())) return {};
    return context_.openLists[static_cast<size_t>(chosen)].name;
  }
  // The template chosen, or null for a folder format.
  const TemplateCatalogRow* ChosenTemplate() const {
    if (!IsChecked(IDC_USE_TEMPLATE)) return nullptr;
    int chosen = framework::ComboBox(Item(IDC_TEMPLATE)).Selection();
    if (chosen < 0 || chosen >= static_cast<int>(templates_.size())) return nullptr;
    return &templates_[static_cast<size_t>(chosen)];
  }
  const FavoritesTarget* ChosenFolderFormat() const {
    return FavoritesTargetAt(IsChecked(IDC_EXPORT_START_MENU) ? kStartMenuFormat
                                                              : kFavoritesFormat);
  }
  // A template's paths are remembered under its id (its file where it has
  // none).
  static std::string TemplateKey(const TemplateCatalogRow& row) {
    if (!row.id.empty()) return row.id;
    size_t cut = platform::LastSeparator(row.path);
    return cut == std::string::npos ? row.path : row.path.substr(cut + 1);
  }

  void ListChanged() {
    BookmarkList* list = ChosenList();
    EnableItem(IDC_ONLY_MARKED, list && HasMarkedItems(*list));
  }

  // The candidates follow the format: a template whose id is a source key
  // gets that source's profiles, the folder formats the favorites' and the
  // Start Menu's; any template its own last path.
  void FormatChanged() {
    const TemplateCatalogRow* row = ChosenTemplate();
    std::string key;
    int sourceCode = -1;
    if (row) {
      key = TemplateKey(*row);
      sourceCode = ImportSourceByKey(row->id);
    } else {
      key = ChosenFolderFormat()->key;
      sourceCode = ChosenFolderFormat()->sourceCode;
    }
    const std::string lastUsed = LastExchangePath(settings_, key);
    std::vector<ProfileCandidate> candidates;
    std::string kind;
    if (sourceCode >= 0) {
      candidates = FindProfilePaths(sourceCode, UserProfileEnvironment(sourceCode, lastUsed));
      kind = ImportSourceAt(sourceCode)->kindSuffix;
    } else if (!lastUsed.empty()) {
      candidates.push_back({kLastUsedLabel, lastUsed});
    }
    OfferCandidates(std::move(candidates), kind);
  }

  bool ChoosePath(std::string* path) override {
    const TemplateCatalogRow* row = ChosenTemplate();
    if (!row) return ChooseExchangeFolder(hwnd_, "Choose Export Folder", path);
    // The proposal keeps the folder of the path shown, with the template's
    // own file name.
    size_t cut = path->rfind('\\');
    std::string folder = cut == std::string::npos ? std::string() : path->substr(0, cut + 1);
    *path = folder + ProposedExportFileName(*row);
    return ChooseExchangeFile(hwnd_, "Save as " + row->name, ExportSaveFilter(*row), row->extension,
                              true, path);
  }

  const ExportDialogContext& context_;
  Settings& settings_;
  std::vector<TemplateCatalogRow> templates_;
};

}  // namespace

bool RunExportDialog(HWND parent, const ExportDialogContext& context) {
  ExportDialog dialog(context);
  dialog.Run(parent);
  return dialog.exported;
}
