// A browser of the embedded engine, reached through its page document and
// through the companion library "OrvandIE.dll": the document peer
// (tools/peers/document_peer.cpp) stands in for it and logs what it is
// asked. The configured browser has the engine's DDE service, so that its
// frame and page window classes come from the known-browser table.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

using e2e::kSettingsKey;
using e2e::SetStringValue;

constexpr DWORD kTimeout = 20000;
constexpr char kFrameClass[] = "IEFrame";
constexpr char kPageAddress[] = "http://peer.example/page?a=1&b=2";

std::string ListBytes() {
  const std::vector<std::string> lines = {
      "VELLOXFL/A/0/40//",
      e2e::kListColumns,
      "0\t0\t0\t1704067200",
      "1\t1\t8\t1704067200\t\tSmartFolders",
      "2\t2\t9\t1704067200\t\tFavorites",
      "10\t1\t0\t1704067200\t\tWeb",
      "11\t2\t0\t1704067200\t\tPages",
      std::string("12\t3\t16\t1704067200\t\tPage\t") + kPageAddress,
  };
  return e2e::ListFileBytes(lines);
}

// One browser, the default: the engine's row ("iexplore", "COM"), started
// as the program peer should every route into it fail. Pages open in the
// frontmost tab and nothing minimizes.
void WriteSettings() {
  HKEY settings, row, table;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                            &settings, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(
      RegCreateKeyExA(settings, "Browsers\\0", 0, nullptr, 0, KEY_WRITE, nullptr, &row, nullptr),
      ERROR_SUCCESS);
  SetStringValue(row, "", "Engine Peer");
  SetStringValue(row, "Path", e2e::ProgramFolder() + "program_peer.exe");
  SetStringValue(row, "DDE", "iexplore");
  SetStringValue(row, "Method", "COM");
  RegCloseKey(row);
  DWORD index = 0;
  if (RegCreateKeyExA(settings, "Browsers", 0, nullptr, 0, KEY_WRITE, nullptr, &table, nullptr) ==
      ERROR_SUCCESS) {
    RegSetValueExA(table, "index", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&index),
                   sizeof index);
    RegCloseKey(table);
  }
  DWORD flags = 0x01904C12 & ~0x4000u & ~0x800u;
  RegSetValueExA(settings, "Preferences", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags),
                 sizeof flags);
  RegCloseKey(settings);
}

// The document peer, started from the test program's folder with a log of
// its own; ended when destroyed.
class DocumentPeer {
 public:
  DocumentPeer() = default;
  ~DocumentPeer() { Stop(); }
  DocumentPeer(const DocumentPeer&) = delete;
  DocumentPeer& operator=(const DocumentPeer&) = delete;

  // Waits, dispatching this thread's messages, until the frame is shown
  // (the peer shows it once both routes are ready).
  bool Start(const std::string& arguments) {
    log_ = e2e::TempFolder() + "document_peer.log";
    DeleteFileA(log_.c_str());
    const std::string exe = e2e::ProgramFolder() + "document_peer.exe";
    std::string commandLine =
        "\"" + exe + "\" --log \"" + log_ + "\" --class " + kFrameClass + " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_))
      return false;
    return e2e::WaitUntil(
        [&] {
          for (HWND w : e2e::TopLevelWindows(info_.dwProcessId, kFrameClass))
            if (IsWindowVisible(w)) return true;
          return false;
        },
        kTimeout);
  }
  std::vector<std::string> Log() const {
    std::vector<std::string> lines;
    std::ifstream log(log_, std::ios::binary);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }
  bool Logged(const std::string& line) const {
    for (const std::string& logged : Log())
      if (logged == line) return true;
    return false;
  }
  void Stop() {
    if (!info_.hProcess) return;
    for (HWND w : e2e::TopLevelWindows(info_.dwProcessId, kFrameClass))
      PostMessageA(w, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0)
      TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    info_ = {};
    DeleteFileA(log_.c_str());
  }

 private:
  PROCESS_INFORMATION info_ = {};
  std::string log_;
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + " | ";
  return text;
}

class DocumentBrowser : public e2e::FreshSettingsTest {
 protected:
  void StartProgram() {
    ASSERT_TRUE(list_.Written());
    WriteSettings();
    ASSERT_TRUE(program_.Start(e2e::VelloxExePath(), "\"" + list_.Path() + "\""));
    main_ = e2e::WaitForMainTitled(program_.Id(), "E2E Document - Vellox");
    ASSERT_NE(main_, nullptr);
  }
  void Choose(int boxId, const std::string& line) { e2e::ChooseLineReading(main_, boxId, line); }
  void TearDown() override {
    program_.Stop();
    FreshSettingsTest::TearDown();
  }

  e2e::TempList list_{"E2E Document", ListBytes()};
  e2e::VelloxProcess program_;
  HWND main_ = nullptr;
};

TEST_F(DocumentBrowser, FetchReadsThePageDocumentIntoANewBookmark) {
  DocumentPeer peer;
  ASSERT_TRUE(
      peer.Start("--url \"http://document.example/fetched?x=1&y=2\" --title "
                 "\"Fetched & Document Title\""));
  StartProgram();
  if (HasFatalFailure()) return;
  PostMessageA(main_, WM_COMMAND, ID_CMD_FETCH, 0);
  // The new bookmark is typed in Organize mode, in a window built anew.
  HWND organize = nullptr;
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        organize = nullptr;
        for (HWND w : e2e::MainWindows(program_.Id()))
          if (IsWindowVisible(w) && IsWindowVisible(GetDlgItem(w, IDC_BOOKMARK_TITLE)))
            organize = w;
        return organize &&
               e2e::ControlText(organize, IDC_ADDRESS) == "http://document.example/fetched?x=1&y=2";
      },
      kTimeout))
      << Joined(peer.Log());
  if (organize) {
    EXPECT_EQ(e2e::ControlText(organize, IDC_BOOKMARK_TITLE), "Fetched & Document Title");
  }
  // Read through the page window's document, not the companion's entry.
  EXPECT_TRUE(peer.Logged("document")) << Joined(peer.Log());
  EXPECT_FALSE(peer.Logged("LocationURL")) << Joined(peer.Log());
}

// Opening in the frontmost tab goes through the page's document when the
// page window hands it out, else through the companion library's entry.
TEST_F(DocumentBrowser, OpeningReachesTheBrowserThroughTheDocumentOrTheCompanion) {
  StartProgram();
  if (HasFatalFailure()) return;
  struct Case {
    const char* peerArguments;
    std::string expected;  // the peer's log line
    std::string notExpected;
  } cases[] = {
      {"", std::string("open\t") + kPageAddress + "\t_self", "Navigate"},
      {"--no-document", std::string("Navigate\t") + kPageAddress + "\t0", "open"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.peerArguments);
    DocumentPeer peer;
    ASSERT_TRUE(peer.Start(c.peerArguments));
    Choose(IDC_CATEGORY_LIST, "Web");
    Choose(IDC_SUBCATEGORY_LIST, "Pages");
    Choose(IDC_BOOKMARK_LIST, "Page");
    PostMessageA(main_, WM_COMMAND, ID_CMD_OPEN_SELECTED, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return peer.Logged(c.expected); }, kTimeout))
        << Joined(peer.Log());
    for (const std::string& line : peer.Log()) EXPECT_NE(line.rfind(c.notExpected, 0), 0u) << line;
  }
}

}  // namespace
