// The site checker through the real program, against the loopback web
// server of tools/peers: the checking dialog's texts and buttons, Pause
// while a check runs, and the statuses a whole-list run saves. Runs only
// inside the network namespace that tests/e2e/checking_e2e.sh makes, which
// names the server's port in VELLOX_LOOPBACK_PORT.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr DWORD kTimeout = 30000;
constexpr char kHeader[] = "VELLOXFL/A/0/999//";

std::string Environment(const char* name) {
  char value[64] = {};
  DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? value : "";
}

// "http://127.0.0.<host + 2>:<port>/<path>" on the loopback server.
std::string Url(int host, const std::string& path) {
  return "http://127.0.0." + std::to_string(host + 2) + ":" + Environment("VELLOX_LOOPBACK_PORT") +
         "/" + path;
}

struct Site {
  std::string title;
  std::string url;
  const char* status;  // as saved ("Not checked" is an empty field)
};

// One category and subcategory holding a bookmark per site (IDs from 100).
std::string ListBytes(const std::vector<Site>& sites) {
  std::string bytes =
      std::string(kHeader) + "\r\n" + e2e::kListColumns + "\r\n0\t0\t0\t1704067200\r\n";
  bytes += "10\t1\t0\t1704067200\t\tSites\r\n11\t2\t0\t1704067200\t\tAll\r\n";
  for (size_t i = 0; i < sites.size(); ++i)
    bytes += std::to_string(100 + i) + "\t3\t16\t1704067200\t\t" + sites[i].title + "\t" +
             sites[i].url + "\t\t\t\t\t\t\t\t1704067200\r\n";
  return bytes;
}

// SiteStatus of each saved bookmark by ID.
std::map<std::string, std::string> SavedStatuses(const std::string& path) {
  std::map<std::string, std::string> statuses;
  for (const std::vector<std::string>& fields : e2e::ListFileFields(path))
    if (fields.size() > 20 && fields[1] == "3") statuses[fields[0]] = fields[20];
  return statuses;
}

class Checking : public e2e::FreshSettingsTest {
 protected:
  void SetUp() override {
    if (Environment("VELLOX_LOOPBACK_PORT").empty())
      GTEST_SKIP() << "runs inside tests/e2e/checking_e2e.sh";
    FreshSettingsTest::SetUp();
  }
  void TearDown() override {
    program_.Stop();
    FreshSettingsTest::TearDown();
  }
  void Open(const e2e::TempList& list, const std::string& title) {
    ASSERT_TRUE(list.Written());
    ASSERT_TRUE(program_.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
    main_ = e2e::WaitForMainTitled(program_.Id(), title + " - Vellox");
    ASSERT_NE(main_, nullptr);
  }
  void SimultaneousChecks(DWORD jobs) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, e2e::kSettingsKey, 0, nullptr, 0, KEY_WRITE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Simultaneous checks", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&jobs),
                   sizeof jobs);
    RegCloseKey(key);
  }
  void Choose(int boxId, int line) { e2e::ChooseListLine(main_, boxId, line); }
  void Command(int id) { SendMessageA(main_, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  HWND Dialog() { return e2e::WaitForWindow(program_.Id(), "Checking bookmarks"); }
  bool WaitForText(HWND dialog, int id, const std::string& text) {
    return e2e::WaitUntil([&] { return e2e::ControlText(dialog, id) == text; }, kTimeout);
  }
  void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  }

  e2e::VelloxProcess program_;
  HWND main_ = nullptr;
};

TEST_F(Checking, OneBookmarkShowsItsTitleThenAllDone) {
  e2e::TempList list("E2E Check One", ListBytes({{"Slow & steady", Url(0, "slow/1500"), "3"}}));
  Open(list, "E2E Check One");
  Choose(IDC_CATEGORY_LIST, 0);
  Choose(IDC_SUBCATEGORY_LIST, 0);
  Choose(IDC_BOOKMARK_LIST, 0);
  Command(ID_CMD_CHECK_BOOKMARK);
  HWND dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(WaitForText(dialog, IDC_CHECKING_TITLE, "Slow && steady"));
  EXPECT_EQ(e2e::ControlText(dialog, IDC_PROGRESS_COUNT), "0/1");
  EXPECT_EQ(e2e::ControlText(dialog, IDCANCEL), "&Cancel");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_PAUSE)));
  EXPECT_TRUE(WaitForText(dialog, IDC_CHECKING_TITLE, "All done"));
  EXPECT_EQ(e2e::ControlText(dialog, IDC_PROGRESS_COUNT), "1/1");
  EXPECT_EQ(e2e::ControlText(dialog, IDCANCEL), "&Close");
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_PAUSE)));
}

TEST_F(Checking, PauseLetsTheRunningCheckFinishAndStartsNoOther) {
  SimultaneousChecks(1);
  e2e::TempList list("E2E Check Pause", ListBytes({{"First", Url(0, "slow/1500"), "3"},
                                                   {"Second", Url(1, "slow/300"), "3"},
                                                   {"Third", Url(2, "slow/300"), "3"}}));
  Open(list, "E2E Check Pause");
  Command(ID_CMD_CHECK_LIST);
  HWND dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(WaitForText(dialog, IDC_CHECKING_TITLE, "First"));
  Click(dialog, IDC_PAUSE);
  EXPECT_TRUE(WaitForText(dialog, IDC_PAUSE, "&Resume"));
  EXPECT_TRUE(WaitForText(dialog, IDC_PROGRESS_COUNT, "1/3"));
  ASSERT_TRUE(e2e::WaitForPostedMessages(program_.Id()));
  EXPECT_EQ(e2e::ControlText(dialog, IDC_CHECKING_TITLE), "First");  // nothing new started
  EXPECT_EQ(e2e::ControlText(dialog, IDC_PROGRESS_COUNT), "1/3");
  Click(dialog, IDC_PAUSE);
  EXPECT_TRUE(WaitForText(dialog, IDC_CHECKING_TITLE, "All done"));
  EXPECT_EQ(e2e::ControlText(dialog, IDC_PROGRESS_COUNT), "3/3");
}

TEST_F(Checking, WholeListSavesTheStatusesTheNativeCheckerGives) {
  // The same behaviours and statuses as the native loopback tests.
  const std::vector<Site> sites = {
      {"ok", Url(0, "ok"), "3"},
      {"with date", Url(0, "ok-lm/1500000000"), "3"},
      {"moved", Url(0, "redirect/301"), "4"},
      {"found", Url(0, "redirect/302"), "3"},
      {"missing", Url(1, "status/404"), "5"},
      {"gone", Url(1, "status/410"), "5"},
      {"broken", Url(1, "status/500"), "7"},
      {"forbidden", Url(1, "status/403"), "9"},
      {"no HEAD", Url(2, "head-only/405"), "3"},
      {"HEAD 404", Url(2, "head-only/404"), "3"},
      {"busy", Url(3, "busy/e2e"), "3"},
      {"refused", "http://127.0.0.2:" + Environment("VELLOX_LOOPBACK_REFUSED") + "/", ""},
      {"nowhere", "http://nowhere.invalid/", "6"},
      {"mail", "mailto:someone@example.com", "8"},
  };
  e2e::TempList list("E2E Check All", ListBytes(sites));
  Open(list, "E2E Check All");
  Command(ID_CMD_CHECK_LIST);
  HWND dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(WaitForText(dialog, IDC_CHECKING_TITLE, "All done"));
  EXPECT_EQ(e2e::ControlText(dialog, IDC_PROGRESS_COUNT),
            std::to_string(sites.size()) + "/" + std::to_string(sites.size()));
  Command(ID_CMD_FILE_SAVE);
  ASSERT_TRUE(e2e::WaitForPostedMessages(program_.Id()));
  std::map<std::string, std::string> saved = SavedStatuses(list.Path());
  for (size_t i = 0; i < sites.size(); ++i)
    EXPECT_EQ(saved[std::to_string(100 + i)], sites[i].status) << sites[i].title;
}

}  // namespace
