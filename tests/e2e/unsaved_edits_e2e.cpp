// No path that replaces or closes the current list drops an unsaved edit:
// each one, driven through the real program with a renamed category, either
// saves the list (with "ask before saving" off) or asks first (with it on),
// and Cancel leaves the list where it was, still changed and unsaved. A
// list handed over under the question waits for it.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <cctype>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

using e2e::kSettingsKey;
using e2e::ListBoxLineOf;
using e2e::ReadFileBytes;

// Regular mode, the other behaviour bits as a new user has them.
constexpr uint32_t kRegularFlags = (0x01904C12u & ~0xFu) | 2;
constexpr uint32_t kAskBeforeSaving = 0x10000;
constexpr char kEdit[] = "Renamed News";
constexpr char kOpenDialogTitle[] = "Select or create bookmark list";
// The file name box of the common open dialog (cmb13), and the plain edit
// box (edt1) where a dialog has no combo box.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

enum class Path {
  kFileOpen,
  kFileCreate,
  kHandOver,
  kRevert,
  kSetup,
  kUninstall,
  kExit,
  kCloseMainWindow,
  kCompactRebuild,
  kCloseCommandWindow,
  kLogOff,
};

struct Row {
  const char* name;
  Path path;
  bool askFirst;
};

// The caption of the question the path asks before it leaves the list, or
// null when it saves without one. Revert is a question of its own.
const char* QuestionOf(const Row& row) {
  if (row.path == Path::kRevert) return "Revert bookmark list";
  return row.askFirst ? "Vellox" : nullptr;
}

// The paths after which the program has ended.
bool EndsProgram(Path path) { return path == Path::kExit || path == Path::kCloseMainWindow; }

// The settings backup, written with the settings whenever a list is chosen.
std::string SettingsBackupPath() {
  char folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder))) return "";
  return std::string(folder) + "\\Velloxsoft\\Vellox\\3.0\\VelloxFl.sav";
}

// The system's end of the session, from a thread of its own as the system
// asks every program: WM_QUERYENDSESSION, then WM_ENDSESSION with the
// answer.
class SessionEnd {
 public:
  explicit SessionEnd(HWND commandWindow) : window_(commandWindow) {
    thread_ = CreateThread(nullptr, 0, &SessionEnd::Run, this, 0, nullptr);
  }
  ~SessionEnd() {
    if (!thread_) return;
    WaitForSingleObject(thread_, e2e::kWindowTimeout);
    CloseHandle(thread_);
  }
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;
  bool Started() const { return thread_ != nullptr; }

 private:
  static DWORD WINAPI Run(void* self) {
    HWND window = static_cast<SessionEnd*>(self)->window_;
    DWORD_PTR goOn = FALSE;
    if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                             e2e::kWindowTimeout, &goOn))
      goOn = FALSE;
    SendMessageTimeoutA(window, WM_ENDSESSION, goOn, ENDSESSION_LOGOFF, SMTO_NORMAL,
                        e2e::kWindowTimeout, nullptr);
    return 0;
  }
  HWND window_;
  HANDLE thread_ = nullptr;
};

bool FileHoldsEdit(const std::string& path) {
  return ReadFileBytes(path).find(kEdit) != std::string::npos;
}

// One known list, the current one, and the behaviour flags.
void WriteSettings(const std::string& name, const std::string& path, uint32_t flags) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(key, "Preferences", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&flags),
                 sizeof flags);
  e2e::WriteSettingsTable(key, "Lists", {{{"", name}, {"Path", path}}}, 0);
  RegCloseKey(key);
}

// The main window of the process: the visible dialog with the search box.
HWND MainOf(DWORD pid) {
  for (HWND w : e2e::TopLevelWindows(pid, "#32770"))
    if (GetDlgItem(w, IDC_SEARCH_TEXT) && IsWindowVisible(w)) return w;
  return nullptr;
}

bool VisibleWindowTitled(DWORD pid, const std::string& title) {
  for (HWND w : e2e::TopLevelWindows(pid, ""))
    if (IsWindowVisible(w) && e2e::WindowTitle(w) == title) return true;
  return false;
}

HWND CommandWindowOf(DWORD pid) {
  std::vector<HWND> windows = e2e::TopLevelWindows(pid, "VELLOXFL");
  return windows.empty() ? nullptr : windows.front();
}

// Renames the category "News" in the title box, as typing there does.
bool RenameNews(HWND main) {
  int news = ListBoxLineOf(main, IDC_CATEGORY_LIST, "News");
  if (news < 0) return false;
  e2e::ChooseListLine(main, IDC_CATEGORY_LIST, news);
  SendMessageA(main, WM_COMMAND, ID_CMD_EDIT_CATEGORY_BOX, 0);
  SendMessageA(GetDlgItem(main, IDC_CATEGORY_TITLE), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(kEdit));
  return ListBoxLineOf(main, IDC_CATEGORY_LIST, kEdit) >= 0;
}

// Starts the path; false when it could not be started. other: the list
// opened or created in place of the current one.
bool Leave(Path path, e2e::VelloxProcess& program, HWND main, const std::string& other,
           std::unique_ptr<SessionEnd>* sessionEnd) {
  const DWORD pid = program.Id();
  switch (path) {
    case Path::kFileOpen:
    case Path::kFileCreate: {
      PostMessageA(main, WM_COMMAND, ID_CMD_FILE_OPEN, 0);
      HWND dialog = e2e::WaitForWindow(pid, kOpenDialogTitle);
      if (!dialog) return false;
      HWND name = GetDlgItem(dialog, kFileNameCombo);
      if (!name) name = GetDlgItem(dialog, kFileNameEdit);
      if (!name) return false;
      SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(other.c_str()));
      return PostMessageA(dialog, WM_COMMAND, IDOK, 0) != FALSE;
    }
    case Path::kHandOver: {
      // A second start with another list, as a double-click on it makes.
      e2e::VelloxProcess second;
      if (!second.Start(e2e::VelloxExePath(), "\"" + other + "\"")) return false;
      return second.WaitForExit(e2e::kWindowTimeout);
    }
    case Path::kRevert:
      return PostMessageA(main, WM_COMMAND, ID_CMD_REVERT, 0) != FALSE;
    case Path::kUninstall:
      return PostMessageA(CommandWindowOf(pid), WM_COMMAND, ID_CMD_UNINSTALL, 0) != FALSE;
    case Path::kExit:
      return PostMessageA(main, WM_COMMAND, ID_CMD_APP_EXIT, 0) != FALSE;
    case Path::kCloseMainWindow:
      return PostMessageA(main, WM_CLOSE, 0, 0) != FALSE;
    case Path::kLogOff:
      *sessionEnd = std::make_unique<SessionEnd>(CommandWindowOf(pid));
      return (*sessionEnd)->Started();
    case Path::kCompactRebuild:
      return PostMessageA(main, WM_COMMAND, ID_CMD_MODE_COMPACT, 0) != FALSE;
    case Path::kCloseCommandWindow:
      // As the installer closes a running copy.
      return PostMessageA(CommandWindowOf(pid), WM_CLOSE, 0, 0) != FALSE;
    case Path::kSetup:
      return PostMessageA(CommandWindowOf(pid), WM_COMMAND, ID_CMD_SETUP, 0) != FALSE;
  }
  return false;
}

// Walks one path with a changed list: a fatal failure ends only this row.
void WalkPath(const Row& row, size_t i) {
  e2e::DeleteUserSettingsKey();
  e2e::EnsureUserSettingsKey();
  e2e::TempList alpha("E2E Unsaved Alpha " + std::to_string(i));
  e2e::TempList beta("E2E Unsaved Beta " + std::to_string(i));
  e2e::TempList created("E2E Unsaved New " + std::to_string(i), "");
  ASSERT_TRUE(alpha.Written() && beta.Written());
  WriteSettings("Alpha", alpha.Path(), kRegularFlags | (row.askFirst ? kAskBeforeSaving : 0));
  const std::string backup = SettingsBackupPath();
  DeleteFileA(backup.c_str());

  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  const DWORD pid = program.Id();
  HWND main = e2e::WaitForMainTitled(pid, "Alpha - Vellox");
  ASSERT_NE(main, nullptr);
  // The list chosen at start is stored with the settings' backup.
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return GetFileAttributesA(backup.c_str()) != INVALID_FILE_ATTRIBUTES; },
                     e2e::kWindowTimeout))
      << "no settings backup " << backup;
  ASSERT_TRUE(RenameNews(main));
  ASSERT_FALSE(FileHoldsEdit(alpha.Path()));
  const std::string& other = row.path == Path::kFileCreate ? created.Path() : beta.Path();
  std::unique_ptr<SessionEnd> sessionEnd;
  ASSERT_TRUE(Leave(row.path, program, main, other, &sessionEnd));

  const char* question = QuestionOf(row);
  if (!question) {
    EXPECT_TRUE(e2e::WaitUntil([&] { return FileHoldsEdit(alpha.Path()); }, e2e::kWindowTimeout))
        << "the edit was not saved";
    if (EndsProgram(row.path)) EXPECT_TRUE(program.WaitForExit(e2e::kWindowTimeout));
    // The dialog the save made way for is left unchanged.
    const char* dialog = row.path == Path::kSetup       ? "Vellox Setup"
                         : row.path == Path::kUninstall ? "Uninstall Vellox"
                                                        : nullptr;
    if (dialog)
      if (HWND shown = e2e::WaitForWindow(pid, dialog))
        PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
    sessionEnd.reset();
    program.Stop();
    return;
  }

  // The question comes first; Cancel leaves everything as it was.
  ASSERT_TRUE(e2e::Answer(pid, question, IDCANCEL)) << "no question " << question;
  sessionEnd.reset();
  ASSERT_TRUE(e2e::WaitForPostedMessages(pid));
  EXPECT_EQ(MainOf(pid), main) << "the main window was replaced";
  EXPECT_EQ(e2e::WindowTitle(main), "Alpha - Vellox");
  EXPECT_GE(ListBoxLineOf(main, IDC_CATEGORY_LIST, kEdit), 0);
  EXPECT_FALSE(FileHoldsEdit(alpha.Path()));
  EXPECT_EQ(WaitForSingleObject(program.Handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the program ended";
  EXPECT_FALSE(VisibleWindowTitled(pid, "Vellox Setup"));
  EXPECT_FALSE(VisibleWindowTitled(pid, "Uninstall Vellox"));
  EXPECT_FALSE(VisibleWindowTitled(pid, kOpenDialogTitle));

  // The edit is still there to be saved: Exit saves it (Yes when asked).
  PostMessageA(main, WM_COMMAND, ID_CMD_APP_EXIT, 0);
  if (row.askFirst) EXPECT_TRUE(e2e::Answer(pid, "Vellox", IDYES));
  EXPECT_TRUE(program.WaitForExit(e2e::kWindowTimeout));
  EXPECT_TRUE(FileHoldsEdit(alpha.Path()));
  program.Stop();
}

class UnsavedEdits : public e2e::FreshSettingsTest {};

const Row kRows[] = {
    {"File Open", Path::kFileOpen, false},
    {"File Open, asked", Path::kFileOpen, true},
    {"File Open creating a list", Path::kFileCreate, false},
    {"File Open creating a list, asked", Path::kFileCreate, true},
    {"hand-over", Path::kHandOver, false},
    {"hand-over, asked", Path::kHandOver, true},
    {"Revert", Path::kRevert, false},
    {"Compact rebuild", Path::kCompactRebuild, false},
    {"Compact rebuild, asked", Path::kCompactRebuild, true},
    {"command window closed", Path::kCloseCommandWindow, false},
    {"command window closed, asked", Path::kCloseCommandWindow, true},
    {"Setup", Path::kSetup, false},
    {"Setup, asked", Path::kSetup, true},
    {"Uninstall", Path::kUninstall, false},
    {"Uninstall, asked", Path::kUninstall, true},
    {"Exit", Path::kExit, false},
    {"Exit, asked", Path::kExit, true},
    {"main window closed", Path::kCloseMainWindow, false},
    {"main window closed, asked", Path::kCloseMainWindow, true},
    {"log-off", Path::kLogOff, false},
    {"log-off, asked", Path::kLogOff, true},
};

// One path per case, each in a program of its own (the cases spread over
// the end-to-end shards).
class UnsavedEditsOnPath : public e2e::FreshSettingsTest,
                           public ::testing::WithParamInterface<size_t> {};

TEST_P(UnsavedEditsOnPath, SavesOrAsksFirst) {
  const Row& row = kRows[GetParam()];
  WalkPath(row, GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryPathThatReplacesOrClosesTheList, UnsavedEditsOnPath,
                         ::testing::Range(size_t{0}, std::size(kRows)),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                           std::string name;
                           for (const char* c = kRows[info.param].name; *c; ++c)
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

// Counts the program's visible save questions.
int VisibleQuestions(DWORD pid) {
  int count = 0;
  for (HWND w : e2e::TopLevelWindows(pid, "#32770"))
    if (IsWindowVisible(w) && e2e::WindowTitle(w) == "Vellox" && GetDlgItem(w, IDYES)) ++count;
  return count;
}

TEST_F(UnsavedEdits, AListHandedOverUnderTheSaveQuestionWaitsForIt) {
  e2e::TempList alpha("E2E Waiting Alpha");
  e2e::TempList beta("E2E Waiting Beta");
  ASSERT_TRUE(alpha.Written() && beta.Written());
  WriteSettings("Alpha", alpha.Path(), kRegularFlags | kAskBeforeSaving);
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  const DWORD pid = program.Id();
  HWND main = e2e::WaitForMainTitled(pid, "Alpha - Vellox");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(RenameNews(main));

  // The Compact rebuild asks; while it asks, a second copy hands over Beta.
  PostMessageA(main, WM_COMMAND, ID_CMD_MODE_COMPACT, 0);
  ASSERT_NE(e2e::WaitForDialogWithButton(pid, "Vellox", IDCANCEL), nullptr);
  {
    e2e::VelloxProcess second;
    ASSERT_TRUE(second.Start(e2e::VelloxExePath(), "\"" + beta.Path() + "\""));
    ASSERT_TRUE(second.WaitForExit(e2e::kWindowTimeout)) << "the hand-over was not taken";
  }
  ASSERT_TRUE(e2e::WaitForPostedMessages(pid));
  EXPECT_EQ(VisibleQuestions(pid), 1) << "the hand-over ran under the question";
  EXPECT_EQ(e2e::WindowTitle(main), "Alpha - Vellox");

  // Cancel ends the rebuild; then the waiting hand-over asks in its turn,
  // and Yes saves Alpha before Beta is shown.
  ASSERT_TRUE(e2e::Answer(pid, "Vellox", IDCANCEL));
  EXPECT_EQ(MainOf(pid), main) << "the cancelled rebuild went on";
  ASSERT_TRUE(e2e::Answer(pid, "Vellox", IDYES)) << "the handed-over list never came";
  EXPECT_NE(e2e::WaitForMainTitled(pid, "E2E Waiting Beta - Vellox"), nullptr);
  EXPECT_TRUE(FileHoldsEdit(alpha.Path()));
  program.Stop();
}

}  // namespace
