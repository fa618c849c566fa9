// The crash campaign under Wine: VelloxFl.exe saves a list of 10,000
// bookmarks by its Save command and is terminated at a random moment of the
// save. After each kill the list file must open with its old or its new
// content, its recent backup (when there is one) must be a whole copy of the
// old file, and where the kill left a temporary file, a save right after it
// must succeed and leave none behind. The tests replay a short run; scripts/
// crash-campaign.sh runs the long one by setting VELLOX_CRASH_KILLS.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "list/deletion_guard.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "platform/platform.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "support/sample_lists.h"
#include "vellox_process.h"

namespace {

using e2e::ListBoxLineOf;

constexpr int kReplayKills = 12;
constexpr int kBookmarks = 10000;
constexpr char kName[] = "E2E Crash Campaign";
constexpr char kCategory[] = "Category 0";
constexpr char kRenamed[] = "Category 0 (saved)";

int KillsToRun() {
  char text[32] = {};
  if (GetEnvironmentVariableA("VELLOX_CRASH_KILLS", text, sizeof text) == 0) return kReplayKills;
  return std::atoi(text);
}

std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  platform::ReadWholeFile(path.c_str(), &bytes);
  return bytes;
}

// The files beside the list whose names start with "~".
std::vector<std::string> TemporaryFiles() {
  std::vector<std::string> found;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((e2e::TempFolder() + "~*" + kName + ".bkl").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do found.push_back(data.cFileName);
  while (FindNextFileA(search, &data));
  FindClose(search);
  return found;
}

void RemoveSavesLeftovers(const std::string& path) {
  for (BackupKind kind : {BackupKind::kRecent, BackupKind::kOlder, BackupKind::kOldest,
                          BackupKind::kBeforeLargeDeletion})
    DeleteFileA(BackupPath(path, kind).c_str());
  for (const std::string& name : TemporaryFiles()) DeleteFileA((e2e::TempFolder() + name).c_str());
}

enum class Outcome { kOld, kNew, kDamaged };

struct Figures {
  int old = 0, fresh = 0, damaged = 0, leftovers = 0;
};

class CrashCampaign : public e2e::FreshSettingsTest {
 protected:
  void SetUp() override {
    FreshSettingsTest::SetUp();
    path_ = e2e::TempFolder() + kName + ".bkl";
    oldBytes_ = listtest::WriteSampleFile(path_, kBookmarks);
  }
  void TearDown() override {
    RemoveSavesLeftovers(path_);
    DeleteFileA(path_.c_str());
    FreshSettingsTest::TearDown();
  }

  // Starts the program on the old list and renames its first category in
  // the title box, as typing there does. The main window, or null.
  HWND StartWithEdit(e2e::VelloxProcess& program) {
    platform::WriteWholeFile(path_.c_str(), oldBytes_);
    RemoveSavesLeftovers(path_);
    if (!program.Start(e2e::VelloxExePath(), "\"" + path_ + "\"")) return nullptr;
    HWND main = e2e::WaitForMainTitled(program.Id(), std::string(kName) + " - Vellox");
    if (!main) return nullptr;
    int line = ListBoxLineOf(main, IDC_CATEGORY_LIST, kCategory);
    if (line < 0) return nullptr;
    e2e::ChooseListLine(main, IDC_CATEGORY_LIST, line);
    SendMessageA(main, WM_COMMAND, ID_CMD_EDIT_CATEGORY_BOX, 0);
    SendMessageA(GetDlgItem(main, IDC_CATEGORY_TITLE), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(kRenamed));
    if (!e2e::WaitForPostedMessages(program.Id())) return nullptr;
    return main;
  }

  // What the kill left: the list file opened as the program opens it, and
  // the recent backup compared with the old file.
  Outcome Check() {
    std::string bytes = ReadFileBytes(path_);
    std::string recent = BackupPath(path_, BackupKind::kRecent);
    if (platform::FileExists(recent.c_str()) && ReadFileBytes(recent) != oldBytes_)
      return Outcome::kDamaged;
    if (bytes == oldBytes_) return Outcome::kOld;
    auto list = listtest::OpenListFile(path_);
    bool whole = !list->readOnly && CountLiveItems(*list) == oldLiveItems_ &&
                 listtest::FindTitle(*list, kRenamed) != 0 &&
                 listtest::FindTitle(*list, kCategory) == 0;
    list->file.Close();
    return whole ? Outcome::kNew : Outcome::kDamaged;
  }

  // The program's own save right after the kill: it must not trip over
  // what the kill left, and leaves no temporary file.
  bool SaveAfterKillIsClean() {
    auto list = listtest::OpenListFile(path_);
    if (list->readOnly) return false;
    list->modified = true;
    int saved = SaveList(*list, true);
    list->file.Close();
    return saved == kSaveOk && TemporaryFiles().empty();
  }

  std::string path_;
  std::string oldBytes_;
  uint32_t oldLiveItems_ = kBookmarks + 2 * (kBookmarks / 50);
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

TEST_F(CrashCampaign, KilledWhileSavingTheListOpensOldOrNew) {
  const int kills = KillsToRun();
  // How long the program's save takes here, from the command to its end.
  LARGE_INTEGER start, now;
  {
    e2e::VelloxProcess program;
    HWND main = StartWithEdit(program);
    ASSERT_NE(main, nullptr);
    QueryPerformanceCounter(&start);
    PostMessageA(main, WM_COMMAND, ID_CMD_FILE_SAVE, 0);
    ASSERT_TRUE(e2e::WaitForPostedMessages(program.Id()));
    QueryPerformanceCounter(&now);
    program.Stop();  // it holds the list file locked against writers
    ASSERT_EQ(Check(), Outcome::kNew);
  }
  const double saveSeconds = Seconds(start, now);

  std::random_device seedSource;
  const unsigned seed = seedSource();
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> moment(0.0, saveSeconds * 1.2);
  Figures figures;
  for (int kill = 0; kill < kills; ++kill) {
    SCOPED_TRACE(::testing::Message() << "kill " << kill << ", seed " << seed);
    e2e::VelloxProcess program;
    HWND main = StartWithEdit(program);
    ASSERT_NE(main, nullptr);
    const double wait = moment(random);
    QueryPerformanceCounter(&start);
    PostMessageA(main, WM_COMMAND, ID_CMD_FILE_SAVE, 0);
    do QueryPerformanceCounter(&now);
    while (Seconds(start, now) < wait);
    TerminateProcess(program.Handle(), 9);
    ASSERT_TRUE(program.WaitForExit(e2e::kWindowTimeout));
    Outcome outcome = Check();
    EXPECT_NE(outcome, Outcome::kDamaged);
    if (!TemporaryFiles().empty()) {
      ++figures.leftovers;
      EXPECT_TRUE(SaveAfterKillIsClean());
    }
    (outcome == Outcome::kOld   ? figures.old
     : outcome == Outcome::kNew ? figures.fresh
                                : figures.damaged) += 1;
  }
  std::printf(
      "crash campaign under Wine: %d kills, %d old, %d new, %d damaged, %d left a temporary "
      "file, save %.0f ms, seed %u\n",
      kills, figures.old, figures.fresh, figures.damaged, figures.leftovers, saveSeconds * 1000,
      seed);
  std::fflush(stdout);
  RecordProperty("damaged", figures.damaged);
}

}  // namespace
