// Opening bookmarks through the real program, with the program peer
// (tools/peers/program_peer.cpp) standing in for browsers and programs: it
// writes the command line and working directory it was started with into
// "<its path>.log".
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/command_window_names.h"
#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

using e2e::kSettingsKey;
using e2e::SetStringValue;

constexpr DWORD kTimeout = 20000;
constexpr char kPeerFolderName[] = "E2E Peer Tools";
constexpr int kVisitsField = 15;

std::string PeerFolder() { return e2e::TempFolder() + kPeerFolderName + "\\"; }

// The list: web bookmarks under Web > Pages, programs under Files > Programs.
std::string ListBytes() {
  const std::string tools = PeerFolder();
  std::vector<std::string> lines = e2e::ListHeadLines("VELLOXFL/A/0/40//");
  lines.insert(
      lines.end(),
      {
          "10\t1\t0\t1704067200\t\tWeb",
          "11\t2\t0\t1704067200\t\tPages",
          "12\t3\t16\t1704067200\t\tPage\thttp://peer.example/page\t\t\t\t\t\t\t\t1704067200\t4",
          "13\t3\t16\t1704067200\t\tMail\tMAILTO:someone@example.org",
          "14\t3\t16\t1704067200\t\tOwn\thttp://own.example/\t\t\t\t\townpeer",
          "15\t3\t16\t1704067200\t\tWeather\thttp://q.example/?city={{prompt:City}}&day=1",
          "20\t1\t0\t1704067200\t\tFiles",
          "21\t2\t0\t1704067200\t\tPrograms",
          "22\t3\t16\t1704067200\t\tTool\t" + tools + "tool.exe -a \"b c\"",
          "23\t3\t16\t1704067200\t\tLatest\t" + tools + "version-1.?.exe",
          "24\t3\t16\t1704067200\t\tNone\t" + tools + "nothing-*.exe",
      });
  return e2e::ListFileBytes(lines);
}

// Browsers: "Peer" (the default, with an argument of its own), "Own" (the
// browser a bookmark names) and "Broken" (a path that cannot start).
void WriteBrowsers(DWORD defaultIndex, bool autoMinimize) {
  const std::vector<std::vector<std::pair<const char*, std::string>>> rows = {
      {{"", "Peer"}, {"Path", PeerFolder() + "browser.exe -new-tab"}, {"DDE", "peerbrowser"}},
      {{"", "Own"}, {"Path", PeerFolder() + "own.exe"}, {"DDE", "ownpeer"}},
      {{"", "Broken"}, {"Path", "C:\\nowhere\\broken.exe"}, {"DDE", "broken"}},
  };
  HKEY settings;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                            &settings, nullptr),
            ERROR_SUCCESS);
  for (size_t i = 0; i < rows.size(); ++i) {
    HKEY row;
    ASSERT_EQ(RegCreateKeyExA(settings, ("Browsers\\" + std::to_string(i)).c_str(), 0, nullptr, 0,
                              KEY_WRITE, nullptr, &row, nullptr),
              ERROR_SUCCESS);
    for (const auto& column : rows[i]) SetStringValue(row, column.first, column.second);
    SetStringValue(row, "Method", "DDE");
    RegCloseKey(row);
  }
  HKEY table;
  if (RegCreateKeyExA(settings, "Browsers", 0, nullptr, 0, KEY_WRITE, nullptr, &table, nullptr) ==
      ERROR_SUCCESS) {
    RegSetValueExA(table, "index", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&defaultIndex),
                   sizeof defaultIndex);
    RegCloseKey(table);
  }
  // Auto-minimize on or off, everything else as the defaults have it.
  DWORD flags = 0x01904C12;
  if (!autoMinimize) flags &= ~0x800u;
  RegSetValueExA(settings, "Preferences", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags),
                 sizeof flags);
  RegCloseKey(settings);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The texts of a message box (its static controls).
std::string DialogText(HWND dialog) {
  std::string text;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (e2e::WindowClass(child) != "Static") continue;
    char buffer[1024] = {};
    SendMessageA(child, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    text += buffer;
  }
  return text;
}

class OpeningTest : public e2e::FreshSettingsTest {
 protected:
  void Start(DWORD defaultBrowser = 0, bool autoMinimize = false) {
    CreateDirectoryA(PeerFolder().c_str(), nullptr);
    const std::string peer = e2e::ProgramFolder() + "program_peer.exe";
    for (const char* name : {"browser.exe", "own.exe", "tool.exe", "version-1.2.exe",
                             "version-1.9.exe", "version-1.10.exe"}) {
      ASSERT_TRUE(CopyFileA(peer.c_str(), (PeerFolder() + name).c_str(), FALSE)) << peer;
      copies_.push_back(PeerFolder() + name);
    }
    ASSERT_TRUE(list_.Written());
    WriteBrowsers(defaultBrowser, autoMinimize);
    ASSERT_TRUE(program_.Start(e2e::VelloxExePath(), "\"" + list_.Path() + "\""));
    main_ = e2e::WaitForMainTitled(program_.Id(), "E2E Opening - Vellox");
    ASSERT_NE(main_, nullptr);
  }
  void TearDown() override {
    program_.Stop();
    for (const std::string& copy : copies_) {
      DeleteFileA(copy.c_str());
      DeleteFileA((copy + ".log").c_str());
    }
    RemoveDirectoryA(PeerFolder().c_str());
    FreshSettingsTest::TearDown();
  }

  void Choose(int boxId, const std::string& line) { e2e::ChooseLineReading(main_, boxId, line); }
  void Select(const std::string& category, const std::string& subcategory,
              const std::string& bookmark) {
    Choose(IDC_CATEGORY_LIST, category);
    Choose(IDC_SUBCATEGORY_LIST, subcategory);
    Choose(IDC_BOOKMARK_LIST, bookmark);
  }
  // The whole program minimizes with its hidden command window.
  bool ProgramMinimized() {
    for (HWND w : e2e::TopLevelWindows(program_.Id(), kCommandWindowClass))
      if (IsIconic(w)) return true;
    return false;
  }
  // Posted: a command that shows a dialog must not block the test.
  void Post(int id) { PostMessageA(main_, WM_COMMAND, static_cast<WPARAM>(id), 0); }

  // The log of the peer copy once it is written ("" when it never is).
  std::string PeerLog(const std::string& copy) {
    // The peer writes its log whole, never empty; a read that comes as the
    // file appears may still find nothing under Wine, so the wait is for
    // the text.
    const std::string log = PeerFolder() + copy + ".log";
    std::string text;
    e2e::WaitUntil([&] { return !(text = ReadFile(log)).empty(); }, kTimeout);
    return text;
  }
  bool PeerStarted(const std::string& copy) {
    return GetFileAttributesA((PeerFolder() + copy + ".log").c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  // The message box with this caption: its text, after pressing OK.
  std::string AnswerMessage(const std::string& caption) {
    HWND box = e2e::WaitForDialogWithButton(program_.Id(), caption, IDOK);
    if (!box) return "(no \"" + caption + "\" box)";
    std::string text = DialogText(box);
    EXPECT_TRUE(e2e::Answer(program_.Id(), caption, IDOK));
    return text;
  }
  // The Visits field of the item with this ID in the saved list.
  std::string SavedVisits(const std::string& id) {
    Post(ID_CMD_FILE_SAVE);
    EXPECT_TRUE(e2e::WaitForPostedMessages(program_.Id()));
    std::stringstream lines(ReadFile(list_.Path()));
    std::string line;
    while (std::getline(lines, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.compare(0, id.size() + 1, id + "\t") != 0) continue;
      std::vector<std::string> fields;
      std::stringstream split(line);
      std::string field;
      while (std::getline(split, field, '\t')) fields.push_back(field);
      return fields.size() > kVisitsField ? fields[kVisitsField] : "";
    }
    return "(no item " + id + ")";
  }

  e2e::TempList list_{"E2E Opening", ListBytes()};
  std::vector<std::string> copies_;
  e2e::VelloxProcess program_;
  HWND main_ = nullptr;
};

TEST_F(OpeningTest, WebBookmarksStartTheirBrowserAndCountTheVisit) {
  Start(0, true);
  if (HasFatalFailure()) return;
  Select("Web", "Pages", "Page");
  Post(ID_CMD_OPEN_SELECTED);
  // The browser's own argument, then the address; in the browser's folder.
  const std::string log = PeerLog("browser.exe");
  EXPECT_NE(log.find("arguments -new-tab http://peer.example/page\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("folder " + PeerFolder().substr(0, PeerFolder().size() - 1) + "\r\n"),
            std::string::npos)
      << log;
  // Auto-minimize is on: the program went to the task bar.
  EXPECT_TRUE(e2e::WaitUntil([&] { return ProgramMinimized(); }, kTimeout));
  PostMessageA(main_, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !ProgramMinimized(); }, kTimeout));
  EXPECT_EQ(SavedVisits("12"), "5");

  // "MAILTO:" in capitals is not the mail test's: it goes to the browser.
  DeleteFileA((PeerFolder() + "browser.exe.log").c_str());
  Select("Web", "Pages", "Mail");
  Post(ID_CMD_OPEN_SELECTED);
  EXPECT_NE(PeerLog("browser.exe").find("arguments -new-tab MAILTO:someone@example.org\r\n"),
            std::string::npos);

  // A bookmark's own browser wins over the default.
  Select("Web", "Pages", "Own");
  Post(ID_CMD_OPEN_SELECTED);
  EXPECT_NE(PeerLog("own.exe").find("arguments http://own.example/\r\n"), std::string::npos);
  EXPECT_EQ(SavedVisits("14"), "1");
}

TEST_F(OpeningTest, BrowsersThatCannotBeReachedAreReported) {
  Start(0xFFFFFFFF);  // no default browser
  if (HasFatalFailure()) return;
  Select("Web", "Pages", "Page");
  Post(ID_CMD_OPEN_SELECTED);
  EXPECT_EQ(AnswerMessage("Problem"), "You have not configured a Web browser to work with Vellox.");
  // The preferences follow, at their "Browsers" page.
  HWND preferences = e2e::WaitForWindow(program_.Id(), "Vellox Preferences");
  ASSERT_NE(preferences, nullptr);
  EXPECT_EQ(
      e2e::ListBoxLines(FindWindowExA(preferences, nullptr, "#32770", nullptr), IDC_ENTRY_LIST),
      (std::vector<std::string>{"Peer", "Own", "Broken"}));
  EXPECT_TRUE(e2e::Answer(program_.Id(), "Vellox Preferences", IDCANCEL));

  // "Broken" cannot start: the system's reason, then the browser message.
  Post(ID_CMD_OPEN_WITH_BASE + 2);
  EXPECT_EQ(
      AnswerMessage("Problem").rfind("Sorry, Windows cannot open the required application:\n", 0),
      0u);
  EXPECT_EQ(AnswerMessage("Problem"),
            "There was a problem opening the selected Web browser. Please check the path name.");
  EXPECT_TRUE(e2e::Answer(program_.Id(), "Vellox Preferences", IDCANCEL));
  // Nothing opened, no visit counted.
  EXPECT_EQ(SavedVisits("12"), "4");

  // Opening the whole subcategory stops at the first bookmark the browser
  // cannot take: one message and the preferences, not one per bookmark
  // (nor Weather's prompt after them).
  Post(ID_CMD_OPEN_ALL_IN_SUBCATEGORY);
  EXPECT_EQ(AnswerMessage("Problem"), "You have not configured a Web browser to work with Vellox.");
  EXPECT_TRUE(e2e::Answer(program_.Id(), "Vellox Preferences", IDCANCEL));
  ASSERT_TRUE(e2e::WaitForPostedMessages(program_.Id()));
  for (HWND w : e2e::TopLevelWindows(program_.Id(), "#32770")) {
    const std::string title = e2e::WindowTitle(w);
    EXPECT_FALSE(IsWindowVisible(w) && (title == "Problem" || title == "Vellox Preferences" ||
                                        title == "Enter text for City"))
        << title;
  }
}

TEST_F(OpeningTest, ProgramsStartWithTheirArgumentsAndWildcardsTakeTheLatest) {
  Start();
  if (HasFatalFailure()) return;
  Select("Files", "Programs", "Tool");
  Post(ID_CMD_OPEN_SELECTED);
  const std::string log = PeerLog("tool.exe");
  EXPECT_NE(log.find("arguments -a \"b c\"\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("folder " + PeerFolder().substr(0, PeerFolder().size() - 1) + "\r\n"),
            std::string::npos)
      << log;

  // "version-1.?.exe": 1.9 is the greatest path that matches (1.10 does not).
  Select("Files", "Programs", "Latest");
  Post(ID_CMD_OPEN_SELECTED);
  EXPECT_NE(PeerLog("version-1.9.exe"), "");
  EXPECT_TRUE(e2e::WaitForPostedMessages(program_.Id()));
  EXPECT_FALSE(PeerStarted("version-1.2.exe"));

  Select("Files", "Programs", "None");
  Post(ID_CMD_OPEN_SELECTED);
  EXPECT_EQ(AnswerMessage("File Error"), "Sorry, no document matches the path name given.");
  EXPECT_EQ(SavedVisits("24"), "");
  EXPECT_EQ(SavedVisits("22"), "1");
}

TEST_F(OpeningTest, QuickSearchAsksForTheTermAndCancelOpensNothing) {
  Start();
  if (HasFatalFailure()) return;
  Select("Web", "Pages", "Weather");
  Post(ID_CMD_OPEN_SELECTED);
  HWND prompt = e2e::WaitForWindow(program_.Id(), "Enter text for City");
  ASSERT_NE(prompt, nullptr);
  ASSERT_TRUE(e2e::Answer(program_.Id(), "Enter text for City", IDCANCEL));
  EXPECT_FALSE(PeerStarted("browser.exe"));
  EXPECT_EQ(SavedVisits("15"), "");

  Post(ID_CMD_OPEN_SELECTED);
  prompt = e2e::WaitForWindow(program_.Id(), "Enter text for City");
  ASSERT_NE(prompt, nullptr);
  SendMessageA(GetDlgItem(prompt, IDC_QUICKSEARCH_TEXT), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>("New York 100%"));
  ASSERT_TRUE(e2e::Answer(program_.Id(), "Enter text for City", IDOK));
  // The term escaped, the percent sign too; the stored address unchanged.
  EXPECT_NE(PeerLog("browser.exe")
                .find("arguments -new-tab http://q.example/?city=New%20York%20100%25&day=1\r\n"),
            std::string::npos);
  EXPECT_EQ(SavedVisits("15"), "1");
  EXPECT_NE(ReadFile(list_.Path()).find("http://q.example/?city={{prompt:City}}&day=1"),
            std::string::npos);
}

}  // namespace
