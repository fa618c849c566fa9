#include "e2e_windows.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "app/command_window_names.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace e2e {

std::string TempFolder() {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return folder;
}

std::string SampleListSource() {
  return std::string(VELLOX_TEST_DATA) + "\\..\\..\\src\\resources\\Default.bkl";
}

std::string SampleListBytes() {
  std::ifstream in(SampleListSource(), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TempList::TempList(const std::string& name) : name_(name), path_(TempFolder() + name + ".bkl") {
  written_ = CopyFileA(SampleListSource().c_str(), path_.c_str(), FALSE) != 0;
}

TempList::TempList(const std::string& name, const std::string& bytes)
    : name_(name), path_(TempFolder() + name + ".bkl") {
  if (bytes.empty()) return;
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out << bytes;
  written_ = out.good();
}

TempList::~TempList() {
  std::string folder = TempFolder();
  DeleteFileA(path_.c_str());
  for (const char* prefix :
       {"Autobackup of ", "Backup of ", "Backup1 of ", "Backup2 of ", "Before large deletion of "})
    DeleteFileA((folder + prefix + name_ + ".bkl").c_str());
  DeleteFileA((folder + name_ + ".bak").c_str());
}

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

std::vector<std::string> ListHeadLines(const std::string& header) {
  return {header,
          kListColumns,
          "0\t0\t0\t1704067200",
          "1\t1\t8\t1704067200\t\tSmartFolders",
          "2\t2\t9\t1704067200\t\tFavorites",
          "3\t2\t10\t1704067200\t\tDue to visit",
          "4\t2\t11\t1704067200\t\tFrequently visited",
          "5\t2\t12\t1704067200\t\tRecently added",
          "6\t2\t13\t1704067200\t\tRecently visited"};
}

std::string ListFileBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

std::vector<std::vector<std::string>> ListFileFields(const std::string& path) {
  std::vector<std::vector<std::string>> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    std::stringstream split(line);
    std::string field;
    while (std::getline(split, field, '\t')) fields.push_back(field);
    lines.push_back(fields);
  }
  return lines;
}

void SetStringValue(HKEY key, const char* name, const std::string& value) {
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
}

void WriteSettingsTable(HKEY settings, const std::string& table,
                        const std::vector<std::vector<std::pair<const char*, std::string>>>& rows,
                        DWORD index) {
  for (size_t i = 0; i < rows.size(); ++i) {
    HKEY row;
    if (RegCreateKeyExA(settings, (table + "\\" + std::to_string(i)).c_str(), 0, nullptr, 0,
                        KEY_WRITE, nullptr, &row, nullptr) != ERROR_SUCCESS)
      continue;
    for (const auto& column : rows[i]) SetStringValue(row, column.first, column.second);
    RegCloseKey(row);
  }
  HKEY key;
  if (RegCreateKeyExA(settings, table.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
      ERROR_SUCCESS) {
    RegSetValueExA(key, "index", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&index), sizeof index);
    RegCloseKey(key);
  }
}

std::string ControlText(HWND dialog, int id) {
  wchar_t wide[1024] = {};
  SendMessageW(GetDlgItem(dialog, id), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
  char text[2048] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

std::string ListBoxLine(HWND box, int line) {
  wchar_t wide[512] = {};
  LRESULT length = SendMessageW(box, LB_GETTEXTLEN, static_cast<WPARAM>(line), 0);
  if (length < 0 || length >= 512) return std::string();
  SendMessageW(box, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(wide));
  char text[1024] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

std::vector<std::string> ListBoxLines(HWND box) {
  std::vector<std::string> lines;
  int count = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) lines.push_back(ListBoxLine(box, i));
  return lines;
}

std::vector<std::string> ListBoxLines(HWND dialog, int id) {
  return ListBoxLines(GetDlgItem(dialog, id));
}

int ListBoxLineOf(HWND dialog, int id, const std::string& text) {
  std::vector<std::string> lines = ListBoxLines(dialog, id);
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == text) return static_cast<int>(i);
  return -1;
}

std::string SelectedLine(HWND dialog, int id) {
  HWND box = GetDlgItem(dialog, id);
  LRESULT line = SendMessageW(box, LB_GETCURSEL, 0, 0);
  return line < 0 ? std::string() : ListBoxLine(box, static_cast<int>(line));
}

void ChooseListLine(HWND dialog, int id, int line) {
  HWND box = GetDlgItem(dialog, id);
  SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

void ChooseComboEntry(HWND dialog, int id, int entry) {
  HWND combo = GetDlgItem(dialog, id);
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void ChooseLineReading(HWND dialog, int id, const std::string& text) {
  const int line = ListBoxLineOf(dialog, id, text);
  if (line < 0) {
    ADD_FAILURE() << "no line " << text;
    return;
  }
  ChooseListLine(dialog, id, line);
}

HWND VisibleMainWindow(DWORD pid) {
  for (HWND w : MainWindows(pid))
    if (GetDlgItem(w, IDC_SEARCH_TEXT) && IsWindowVisible(w)) return w;
  return nullptr;
}

HWND WaitForMainWith(DWORD pid, int id, HWND notThis) {
  HWND main = nullptr;
  WaitUntil(
      [&] {
        main = MainWindowOf(pid);
        return main && main != notThis && GetDlgItem(main, id) && IsWindowVisible(main);
      },
      kWindowTimeout);
  return main && main != notThis && GetDlgItem(main, id) ? main : nullptr;
}

HWND WaitForMainTitled(DWORD pid, const std::string& title) {
  HWND main = nullptr;
  bool shown = WaitUntil(
      [&] {
        main = MainWindowOf(pid);
        return main && WindowTitle(main) == title && IsWindowVisible(main);
      },
      kWindowTimeout);
  return shown ? main : nullptr;
}

HWND WaitForWindow(DWORD pid, const std::string& title, const std::string& className,
                   DWORD milliseconds) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND w : TopLevelWindows(pid, className))
          if (WindowTitle(w) == title && IsWindowVisible(w)) found = w;
        return found != nullptr;
      },
      milliseconds);
  return found;
}

HWND WaitForDialogWithButton(DWORD pid, const std::string& caption, int button) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND w : TopLevelWindows(pid, "#32770"))
          if (WindowTitle(w) == caption && GetDlgItem(w, button) && IsWindowVisible(w)) found = w;
        return found != nullptr;
      },
      kWindowTimeout);
  return found;
}

bool Answer(DWORD pid, const std::string& caption, int button) {
  HWND dialog = WaitForDialogWithButton(pid, caption, button);
  if (!dialog) return false;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  if (!WaitUntil([&] { return !IsWindow(dialog); }, kWindowTimeout)) return false;
  // The command that asked goes on after its dialog closed; an answer that
  // ends the program leaves no command window to wait on.
  return WaitForPostedMessages(pid) || TopLevelWindows(pid, kCommandWindowClass).empty();
}

void FreshSettingsTest::SetUp() {
  DeleteUserSettingsKey();
  EnsureUserSettingsKey();
}

void FreshSettingsTest::TearDown() {
  DeleteUserSettingsKey();
  EnsureUserSettingsKey();
}

}  // namespace e2e
