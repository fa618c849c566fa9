// No path that replaces or closes the current list drops an unsaved edit:
// each one, driven through the real program with a renamed category, either
// saves the list (with "ask before saving" off) or asks first (with it on),
// and Cancel leaves the list where it was, still changed and unsaved.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr char kSettingsKey[] = "Software\\Velloxsoft\\Vellox\\3.0";
// Regular mode, the other behaviour bits as a new user has them.
constexpr uint32_t kRegularFlags = (0x01904C12u & ~0xFu) | 2;
constexpr uint32_t kAskBeforeSaving = 0x10000;
constexpr char kEdit[] = "Renamed News";
constexpr char kOpenDialogTitle[] = "Select or create bookmark list";
// The file name box of the common open dialog (cmb13), and the plain edit
// box (edt1) where a dialog has no combo box.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

enum class Path { kFileOpen, kHandOver, kCompactRebuild, kCloseCommandWindow, kSetup };

struct Row {
  const char* name;
  Path path;
  bool askFirst;
};

std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

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
  HKEY entry;
  if (RegCreateKeyExA(key, "Lists\\0", 0, nullptr, 0, KEY_WRITE, nullptr, &entry, nullptr) ==
      ERROR_SUCCESS) {
    RegSetValueExA(entry, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()),
                   static_cast<DWORD>(name.size() + 1));
    RegSetValueExA(entry, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>(path.size() + 1));
    RegCloseKey(entry);
  }
  HKEY table;
  if (RegCreateKeyExA(key, "Lists", 0, nullptr, 0, KEY_WRITE, nullptr, &table, nullptr) ==
      ERROR_SUCCESS) {
    DWORD index = 0;
    RegSetValueExA(table, "index", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&index),
                   sizeof index);
    RegCloseKey(table);
  }
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

int LineOf(HWND dialog, int id, const std::string& text) {
  std::vector<std::string> lines = e2e::ListBoxLines(dialog, id);
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == text) return static_cast<int>(i);
  return -1;
}

// Renames the category "News" in the title box, as typing there does.
bool RenameNews(HWND main) {
  int news = LineOf(main, IDC_CATEGORY_LIST, "News");
  if (news < 0) return false;
  e2e::ChooseListLine(main, IDC_CATEGORY_LIST, news);
  SendMessageA(main, WM_COMMAND, ID_CMD_EDIT_CATEGORY_BOX, 0);
  SendMessageA(GetDlgItem(main, IDC_CATEGORY_TITLE), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(kEdit));
  return LineOf(main, IDC_CATEGORY_LIST, kEdit) >= 0;
}

// Starts the path; false when it could not be started.
bool Leave(Path path, e2e::VelloxProcess& program, HWND main, const std::string& other) {
  const DWORD pid = program.Id();
  switch (path) {
    case Path::kFileOpen: {
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
  ASSERT_TRUE(alpha.Written() && beta.Written());
  WriteSettings("Alpha", alpha.Path(), kRegularFlags | (row.askFirst ? kAskBeforeSaving : 0));

  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  const DWORD pid = program.Id();
  HWND main = e2e::WaitForMainTitled(pid, "Alpha - Vellox");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(RenameNews(main));
  ASSERT_FALSE(FileHoldsEdit(alpha.Path()));
  ASSERT_TRUE(Leave(row.path, program, main, beta.Path()));

  if (!row.askFirst) {
    EXPECT_TRUE(e2e::WaitUntil([&] { return FileHoldsEdit(alpha.Path()); }, e2e::kWindowTimeout))
        << "the edit was not saved";
    // The setup dialog the save made way for is left unchanged.
    if (row.path == Path::kSetup)
      if (HWND setup = e2e::WaitForWindow(pid, "Vellox Setup"))
        PostMessageA(setup, WM_COMMAND, IDCANCEL, 0);
    program.Stop();
    return;
  }

  // The question comes first; Cancel leaves everything as it was.
  ASSERT_TRUE(e2e::Answer(pid, "Vellox", IDCANCEL)) << "no save prompt";
  ASSERT_TRUE(e2e::WaitForPostedMessages(pid));
  EXPECT_EQ(MainOf(pid), main) << "the main window was replaced";
  EXPECT_EQ(e2e::WindowTitle(main), "Alpha - Vellox");
  EXPECT_GE(LineOf(main, IDC_CATEGORY_LIST, kEdit), 0);
  EXPECT_FALSE(FileHoldsEdit(alpha.Path()));
  EXPECT_EQ(WaitForSingleObject(program.Handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the program ended";
  EXPECT_FALSE(VisibleWindowTitled(pid, "Vellox Setup"));
  EXPECT_FALSE(VisibleWindowTitled(pid, kOpenDialogTitle));

  // The edit is still there to be saved: Exit asks, Yes saves it.
  PostMessageA(main, WM_COMMAND, ID_CMD_APP_EXIT, 0);
  EXPECT_TRUE(e2e::Answer(pid, "Vellox", IDYES));
  EXPECT_TRUE(program.WaitForExit(e2e::kWindowTimeout));
  EXPECT_TRUE(FileHoldsEdit(alpha.Path()));
  program.Stop();
}

class UnsavedEdits : public e2e::FreshSettingsTest {};

TEST_F(UnsavedEdits, EveryPathThatReplacesOrClosesTheListSavesOrAsksFirst) {
  const Row rows[] = {
      {"File Open", Path::kFileOpen, false},
      {"File Open, asked", Path::kFileOpen, true},
      {"hand-over", Path::kHandOver, false},
      {"hand-over, asked", Path::kHandOver, true},
      {"Compact rebuild", Path::kCompactRebuild, false},
      {"Compact rebuild, asked", Path::kCompactRebuild, true},
      {"command window closed", Path::kCloseCommandWindow, false},
      {"command window closed, asked", Path::kCloseCommandWindow, true},
      {"Setup", Path::kSetup, false},
      {"Setup, asked", Path::kSetup, true},
  };
  for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
    SCOPED_TRACE(testing::Message() << "row " << i << ": " << rows[i].name);
    WalkPath(rows[i], i);
  }
}

}  // namespace
