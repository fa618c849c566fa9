// The pages of entry lists: Bookmark Lists (512) and Browsers (504). A list
// box of names in menu order (dragged to reorder), the selected entry's
// name and path, Add and Remove; the lists page also imports, exports and
// merges, the browsers page finds the installed browsers and shows each
// one's way of communication.
#include <windows.h>
// commctrl.h and commdlg.h need windows.h first.
#include <commctrl.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "browser/browser_detection.h"
#include "browser/browser_detection_win.h"
#include "browser/known_browsers.h"
#include "framework/controls.h"
#include "list/list_slots.h"
#include "resources/resource.h"
#include "settings/preference_values.h"
#include "ui/preference_page.h"
#include "util/messages.h"

namespace {

struct FileChoice {
  const char* title;
  const char* filter;  // pieces separated by '\0'
  const char* extension;
  DWORD flags;
  std::string folder;
};

// The open-file dialog; false on Cancel.
bool ChooseFile(HWND owner, const FileChoice& choice, const std::string& current,
                std::string* path) {
  std::vector<char> buffer(MAX_PATH * 4, '\0');
  current.copy(buffer.data(), buffer.size() - 1);
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = choice.filter;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = choice.folder.empty() ? nullptr : choice.folder.c_str();
  ofn.lpstrTitle = choice.title;
  ofn.lpstrDefExt = choice.extension;
  ofn.Flags = choice.flags | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&ofn)) return false;
  *path = buffer.data();
  return true;
}

constexpr char kListFilter[] = "Bookmark list files (*.bkl)\0*.bkl\0";
constexpr char kProgramFilter[] =
    "Program files (*.exe, *.bat)\0*.exe;*.bat\0All files (*.*)\0*.*\0";

// What the two pages share: the list box, the name and path boxes, the
// drag, Remove, and the check of Apply.
template <class Entry>
class EntryPage : public PreferencePage {
 public:
  EntryPage(int templateId, PreferencesHost& host, const std::vector<Entry>& entries, int tracked)
      : PreferencePage(templateId, host), copy_(entries, tracked) {}

  bool Changed() const override { return changed_; }

 protected:
  bool OnInit() override {
    dragMessage_ = RegisterWindowMessageA(DRAGLISTMSGSTRING);
    MakeDragList(Item(IDC_ENTRY_LIST));
    FillList(copy_.Count() > 0 ? 0 : -1);
    return true;
  }

  // An incomplete entry is chosen and named to the user.
  bool CheckEntries() {
    const prefs::EntryProblem problem = copy_.FindIncomplete();
    if (problem.messageId == 0) return true;
    Choose(problem.index);
    MessageFromTable(hwnd_, problem.messageId, MB_OK | MB_ICONEXCLAMATION, {problem.argument});
    FocusItem(problem.messageId == IDS_ENTRY_NAME_MISSING ? IDC_ENTRY_NAME : IDC_ENTRY_PATH);
    return false;
  }

  // Apply's common half: the checked entries go to *entries and the
  // tracked one (the first when none is) to *tracked; false, with nothing
  // stored, when an entry is incomplete.
  bool StoreEntries(std::vector<Entry>* entries, int* tracked) {
    if (!CheckEntries()) return false;
    *entries = copy_.Entries();
    *tracked = copy_.Tracked() >= 0 ? copy_.Tracked() : 0;
    return true;
  }

  // "Browse...": the file dialog that changes the selected entry's path,
  // and what the page does with the path chosen for entry index.
  virtual FileChoice PathChoice() const = 0;
  virtual void PathChosen(int index, const std::string& path) = 0;

  bool OnCommand(int id, int code, HWND control) override {
    if (filling_) return false;
    switch (id) {
      case IDC_ENTRY_LIST:
        if (code == LBN_SELCHANGE) ShowEntry(Selected());
        return true;
      case IDC_ENTRY_NAME:
      case IDC_ENTRY_PATH: {
        const int index = Selected();
        if (code != EN_CHANGE || index < 0) return false;
        Entry& entry = copy_.At(index);
        (id == IDC_ENTRY_NAME ? entry.name : entry.path) = ItemText(id);
        if (id == IDC_ENTRY_NAME) ShowName(index);
        SetChanged(true);
        return true;
      }
      case IDC_REMOVE: {
        const int index = Selected();
        if (index < 0) return true;
        copy_.Remove(index);
        FillList(index < copy_.Count() ? index : copy_.Count() - 1);
        SetChanged(true);
        return true;
      }
      case IDC_BROWSE: {
        const int index = Selected();
        std::string path;
        if (index < 0 || !ChooseFile(hwnd_, PathChoice(),
                                     copy_.Entries()[static_cast<size_t>(index)].path, &path))
          return true;
        PathChosen(index, path);
        SetChanged(true);
        return true;
      }
      default:
        return PreferencePage::OnCommand(id, code, control);
    }
  }

  // The drag list's notifications: an entry dragged up or down moves.
  bool OnMessage(UINT msg, WPARAM /*wp*/, LPARAM lp, INT_PTR* result) override {
    if (msg != dragMessage_ || dragMessage_ == 0) return false;
    const DRAGLISTINFO* info = reinterpret_cast<const DRAGLISTINFO*>(lp);
    LRESULT answer = 0;
    switch (info->uNotification) {
      case DL_BEGINDRAG:
        dragFrom_ = LBItemFromPt(info->hWnd, info->ptCursor, TRUE);
        answer = dragFrom_ >= 0;
        break;
      case DL_DRAGGING: {
        const int over = LBItemFromPt(info->hWnd, info->ptCursor, TRUE);
        DrawInsert(hwnd_, info->hWnd, over);
        answer = over >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
        break;
      }
      case DL_DROPPED: {
        const int to = LBItemFromPt(info->hWnd, info->ptCursor, TRUE);
        DrawInsert(hwnd_, info->hWnd, -1);
        MoveEntry(dragFrom_, to);
        break;
      }
      case DL_CANCELDRAG:
        DrawInsert(hwnd_, info->hWnd, -1);
        break;
    }
    SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, answer);
    *result = TRUE;
    return true;
  }

  void MoveEntry(int from, int to) {
    if (from < 0 || to < 0 || from == to || to >= copy_.Count()) return;
    copy_.Move(from, to);
    FillList(to);
    SetChanged(true);
  }

  int Selected() const { return framework::ListBox(Item(IDC_ENTRY_LIST)).Selection(); }
  void Choose(int index) {
    framework::ListBox(Item(IDC_ENTRY_LIST)).Select(index);
    ShowEntry(index);
  }
  void FillList(int selected) {
    filling_ = true;
    framework::ListBox box(Item(IDC_ENTRY_LIST));
    box.Clear();
    for (const Entry& entry : copy_.Entries()) box.Add(entry.name);
    filling_ = false;
    Choose(selected);
  }
  // The list box line of an entry follows its name.
  void ShowName(int index) {
    framework::ListBox box(Item(IDC_ENTRY_LIST));
    filling_ = true;
    box.Delete(index);
    SendMessageA(
        box.Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index),
        reinterpret_cast<LPARAM>(copy_.Entries()[static_cast<size_t>(index)].name.c_str()));
    box.Select(index);
    filling_ = false;
  }
  virtual void ShowEntry(int index) {
    filling_ = true;
    const bool any = index >= 0 && index < copy_.Count();
    SetItemText(IDC_ENTRY_NAME, any ? copy_.Entries()[static_cast<size_t>(index)].name : "");
    SetItemText(IDC_ENTRY_PATH, any ? copy_.Entries()[static_cast<size_t>(index)].path : "");
    for (int id : {IDC_ENTRY_NAME, IDC_ENTRY_PATH, IDC_BROWSE, IDC_REMOVE}) EnableItem(id, any);
    filling_ = false;
  }
  void SetChanged(bool changed) {
    changed_ = changed;
    NotifyChange();
  }

  prefs::EntryWorkingCopy<Entry> copy_;

 private:
  bool changed_ = false;
  UINT dragMessage_ = 0;
  int dragFrom_ = -1;
};

// ---------------------------------------------------------------------------
class ListsPage : public EntryPage<KnownListEntry> {
 public:
  explicit ListsPage(PreferencesHost& host)
      : EntryPage(IDD_PREF_LISTS, host, host.UserSettings().lists,
                  host.UserSettings().currentListIndex) {}

  bool Apply() override {
    Settings& settings = host_.UserSettings();
    if (!StoreEntries(&settings.lists, &settings.currentListIndex)) return false;
    const prefs::ListWorkingCopy applied = copy_;
    host_.KnownListsRenumbered([applied](int original) { return applied.NewIndexOf(original); });
    // The applied entries are where the next edits start from.
    copy_ = prefs::ListWorkingCopy(settings.lists, settings.currentListIndex);
    SetChanged(false);
    return true;
  }

 protected:
  bool OnCommand(int id, int code, HWND control) override {
    if (filling_) return false;
    switch (id) {
      case IDC_ADD:
        if (static_cast<size_t>(copy_.Count()) >= kMaxKnownLists) {
          MessageFromTable(hwnd_, IDS_LIST_MENU_FULL, MB_OK | MB_ICONEXCLAMATION);
          return true;
        }
        FillList(copy_.Append({}));
        FocusItem(IDC_ENTRY_NAME);
        SetChanged(true);
        return true;
      case IDC_IMPORT:
      case IDC_EXPORT:
        // The dialog closes as with Done, then the File menu's command runs.
        SendMessageA(GetParent(hwnd_), WM_COMMAND, static_cast<WPARAM>(id), 0);
        return true;
      case IDC_MERGE:
        Merge();
        return true;
      default:
        return EntryPage::OnCommand(id, code, control);
    }
  }

  FileChoice PathChoice() const override {
    return {"Change bookmark list", kListFilter, "bkl", 0, ""};
  }
  void PathChosen(int index, const std::string& path) override {
    FillList(prefs::ChooseListPath(&copy_, index, path));
  }

 private:
  void Merge() {
    const int index = Selected();
    if (index < 0 || copy_.Entries()[static_cast<size_t>(index)].path.empty()) return;
    std::string source;
    if (!ChooseFile(hwnd_,
                    {"Merge bookmark list", kListFilter, "bkl", OFN_FILEMUSTEXIST,
                     host_.UserSettings().listFolder},
                    "", &source))
      return;
    host_.MergeListFile(copy_.Entries()[static_cast<size_t>(index)].path, source);
  }
};

// ---------------------------------------------------------------------------
class BrowsersPage : public EntryPage<BrowserEntry> {
 public:
  explicit BrowsersPage(PreferencesHost& host)
      : EntryPage(IDD_PREF_BROWSERS, host, host.UserSettings().browsers,
                  host.UserSettings().defaultBrowser) {}

  bool Apply() override {
    Settings& settings = host_.UserSettings();
    if (!StoreEntries(&settings.browsers, &settings.defaultBrowser)) return false;
    // A new or changed entry gets its DDE service, method and windows
    // from the table of known browsers.
    browser::CompleteBrowserEntries(&settings);
    copy_ = prefs::BrowserWorkingCopy(settings.browsers, settings.defaultBrowser);
    ShowEntry(Selected());
    SetChanged(false);
    return true;
  }

 protected:
  bool OnCommand(int id, int code, HWND control) override {
    if (filling_) return false;
    switch (id) {
      case IDC_ADD:
        IdentifyNewBrowser();
        return true;
      case IDC_DETECT_BROWSERS:
        LookForInstalledBrowsers();
        return true;
      default:
        return EntryPage::OnCommand(id, code, control);
    }
  }

  FileChoice PathChoice() const override {
    return {"Change web browser", kProgramFilter, "exe", OFN_FILEMUSTEXIST, ""};
  }
  void PathChosen(int index, const std::string& path) override {
    copy_.At(index).path = path;
    ShowEntry(index);
  }

  void ShowEntry(int index) override {
    EntryPage::ShowEntry(index);
    const bool any = index >= 0 && index < copy_.Count();
    SetItemText(IDC_BROWSER_METHOD, any ? copy_.Entries()[static_cast<size_t>(index)].method : "");
  }

 private:
  // "Identify new web browser": its program file, named and reached as the
  // table of known browsers says.
  void IdentifyNewBrowser() {
    if (static_cast<size_t>(copy_.Count()) >= browser::kMaxBrowsers) {
      MessageFromTable(hwnd_, IDS_BROWSER_MENU_FULL, MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    browser::RegistryInstalledPrograms programs;
    std::string path;
    if (!ChooseFile(hwnd_,
                    {"Identify new web browser", kProgramFilter, "exe", OFN_FILEMUSTEXIST,
                     programs.ProgramFilesFolder()},
                    "", &path))
      return;
    Settings scratch;
    scratch.browsers = copy_.Entries();
    if (browser::AddBrowser(&scratch, path) != 1) return;
    FillList(copy_.Append(scratch.browsers.back()));
    SetChanged(true);
  }

  void LookForInstalledBrowsers() {
    Settings scratch;
    scratch.browsers = copy_.Entries();
    browser::RegistryInstalledPrograms programs;
    const int added = browser::DetectInstalledBrowsers(&scratch, programs);
    if (added <= 0) return;
    const int selected = Selected();
    for (size_t i = scratch.browsers.size() - static_cast<size_t>(added);
         i < scratch.browsers.size(); ++i)
      copy_.Append(scratch.browsers[i]);
    if (copy_.Tracked() < 0) copy_.SetTracked(0);
    FillList(selected >= 0 ? selected : 0);
    SetChanged(true);
  }
};

}  // namespace

std::unique_ptr<PreferencePage> MakeListsPage(PreferencesHost& host) {
  return std::make_unique<ListsPage>(host);
}
std::unique_ptr<PreferencePage> MakeBrowsersPage(PreferencesHost& host) {
  return std::make_unique<BrowsersPage>(host);
}
