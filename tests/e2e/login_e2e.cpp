// QuickLogin through the real program: Ctrl+L's command (2093) types the
// selected bookmark's log-in and password into the log-in form of the
// window used before the program (tools/peers/login_form_peer.cpp, which
// reports its fields in a file), and nothing into the program itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

// One category, one subcategory, two bookmarks with log-ins: "^" is Tab.
std::string ListBytes() {
  const std::vector<std::string> lines = {
      "VELLOXFL/A/0/20//",
      "ID\tLevel\tFlags\tTimeModified\tAliasID\tTitle\tURL\tNotes\tKeywords\tLogin\tPassword",
      "0\t0\t0\t1704067200",
      "10\t1\t0\t1704067200\t\tSites",
      "11\t2\t0\t1704067200\t\tAccounts",
      "12\t3\t16\t1704067200\t\tWeb form\thttp://form.example/\t\t\t123^45\t6789",
      "13\t3\t16\t1704067200\t\tDialog\thttp://dialog.example/\t\t\tuser\tsecret",
  };
  return e2e::ListFileBytes(lines);
}

// The log-in form peer, started beside the tests; stopped with the object.
class LoginFormPeer {
 public:
  ~LoginFormPeer() { Stop(); }

  // Starts the peer and waits for its window; the log is emptied first.
  bool Start(bool dialog, const std::string& caption) {
    log_ = e2e::TempFolder() + "login_form_peer.log";
    DeleteFileA(log_.c_str());
    const std::string exe = e2e::ProgramFolder() + "login_form_peer.exe";
    std::string commandLine = "\"" + exe + "\" --log \"" + log_ + "\" --caption \"" + caption +
                              "\"" + (dialog ? " --dialog" : "");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_))
      return false;
    window_ = e2e::WaitForWindow(info_.dwProcessId, caption, "");
    // The first report (empty fields) shows that the form is ready.
    return window_ && e2e::WaitUntil([&] { return !Fields().empty(); }, e2e::kWindowTimeout);
  }

  HWND Window() const { return window_; }

  // The fields as the peer last reported them.
  std::vector<std::string> Fields() const {
    std::vector<std::string> fields;
    std::ifstream in(log_, std::ios::binary);
    for (std::string line; std::getline(in, line);) fields.push_back(line);
    return fields;
  }

  void Stop() {
    if (!info_.hProcess) return;
    PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, 3000) != WAIT_OBJECT_0)
      TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    info_ = {};
    DeleteFileA(log_.c_str());
  }

 private:
  PROCESS_INFORMATION info_ = {};
  HWND window_ = nullptr;
  std::string log_;
};

// The process of the first visible top-level window in Z order (the
// program's own tips dialog may stand above its main window).
DWORD FrontmostProcess() {
  HWND w = GetTopWindow(nullptr);
  while (w && !IsWindowVisible(w)) w = GetWindow(w, GW_HWNDNEXT);
  DWORD process = 0;
  if (w) GetWindowThreadProcessId(w, &process);
  return process;
}

class LoginTest : public e2e::FreshSettingsTest {};

TEST_F(LoginTest, CtrlLFillsTheFormOfTheWindowUsedBeforeAndNothingOfItsOwn) {
  struct Case {
    const char* form;
    bool dialog;
    int bookmarkLine;
    std::vector<std::string> fields;
  };
  // A page follows each Tab itself; a dialog is moved to its password box.
  const Case cases[] = {
      {"web page", false, 0, {"123", "45", "6789"}},
      {"dialog", true, 1, {"user", "secret"}},
  };
  e2e::TempList list("E2E Login", ListBytes());
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND main = e2e::WaitForMainTitled(program.Id(), "E2E Login - Vellox");
  ASSERT_NE(main, nullptr);
  e2e::ChooseListLine(main, IDC_CATEGORY_LIST, 0);
  e2e::ChooseListLine(main, IDC_SUBCATEGORY_LIST, 0);
  const std::string searchText = e2e::ControlText(main, IDC_SEARCH_TEXT);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.form);
    LoginFormPeer peer;
    ASSERT_TRUE(peer.Start(c.dialog, std::string("Log-in ") + c.form));
    e2e::ChooseListLine(main, IDC_BOOKMARK_LIST, c.bookmarkLine);
    // The program in front, the form behind it, as after a click on the
    // program (Wine without a window manager does not raise the foreground
    // window by itself); the command is given from the program, as Ctrl+L
    // would be.
    SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(main);
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return GetForegroundWindow() == main && FrontmostProcess() == program.Id(); },
        e2e::kWindowTimeout));
    PostMessageA(main, WM_COMMAND, ID_CMD_FILL_LOGIN_FORM, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return peer.Fields() == c.fields; }, e2e::kWindowTimeout))
        << "the form holds: " << ::testing::PrintToString(peer.Fields());
    EXPECT_EQ(e2e::ControlText(main, IDC_SEARCH_TEXT), searchText);
    EXPECT_EQ(e2e::SelectedLine(main, IDC_BOOKMARK_LIST),
              c.bookmarkLine == 0 ? "Web form" : "Dialog");
  }
  program.Stop();
}

}  // namespace
