#include "e2e_windows.h"

#include <fstream>
#include <iterator>

#include "app/command_window_names.h"
#include "posted_marker.h"
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
  for (const char* prefix : {"Autobackup of ", "Backup of ", "Backup1 of ", "Backup2 of ",
                             "Before large deletion of "})
    DeleteFileA((folder + prefix + name_ + ".bkl").c_str());
  DeleteFileA((folder + name_ + ".bak").c_str());
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
