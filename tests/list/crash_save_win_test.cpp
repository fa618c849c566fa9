// Saving survives being killed at any moment, under Windows rules: a helper
// process saves a list of 10,000 bookmarks and is terminated at a random
// point of its save (fewer runs than natively: a process start costs more).
#include <gtest/gtest.h>
#include <windows.h>

#include <random>

#include "support/crash_save.h"
#include "support/helper_process_win.h"
#include "support/list_test_support.h"
#include "support/temp_folder.h"

namespace {

constexpr int kRuns = 25;
constexpr DWORD kTimeout = 60000;

// The helper side: saves the list named in its task.
TEST(CrashSaveHelper, Saves) {
  std::string path = wintest::HelperTask();
  if (path.empty()) GTEST_SKIP() << "runs only as a helper process";
  auto list = listtest::LoadForCrashTest(path);
  EXPECT_EQ(listtest::SaveForCrashTest(*list, wintest::SignalHelperReady), 0);
  wintest::SignalHelperDone();
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

TEST(CrashSaveWin, TerminatedAnywhereTheListIsOldOrNew) {
  ::TempFolder folder;
  const listtest::CrashFiles files = listtest::PrepareCrashFiles(folder.Path(""));

  // How long a save takes from the helper's ready signal.
  listtest::ResetCrashFiles(files);
  LARGE_INTEGER ready, done;
  {
    wintest::HelperProcess helper;
    ASSERT_TRUE(helper.Start("CrashSaveHelper.Saves", files.path));
    ASSERT_TRUE(helper.WaitReady(kTimeout));
    QueryPerformanceCounter(&ready);
    ASSERT_TRUE(helper.WaitDone(kTimeout));
    QueryPerformanceCounter(&done);
    DWORD exitCode = 1;
    ASSERT_TRUE(helper.WaitForExit(kTimeout, &exitCode));
    ASSERT_EQ(exitCode, 0u);
  }
  ASSERT_EQ(listtest::CheckCrashOutcome(files), listtest::CrashOutcome::kNew);
  const double saveSeconds = Seconds(ready, done);

  std::random_device seedSource;
  const unsigned seed = seedSource();
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> moment(0.0, saveSeconds * 1.2);
  int old = 0, fresh = 0;
  for (int run = 0; run < kRuns; ++run) {
    SCOPED_TRACE(::testing::Message() << "run " << run << ", seed " << seed);
    listtest::ResetCrashFiles(files);
    wintest::HelperProcess helper;
    ASSERT_TRUE(helper.Start("CrashSaveHelper.Saves", files.path));
    ASSERT_TRUE(helper.WaitReady(kTimeout));
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    const double wait = moment(random);
    do {
      QueryPerformanceCounter(&now);
    } while (Seconds(start, now) < wait);
    helper.Kill();
    listtest::CrashOutcome outcome = listtest::CheckCrashOutcome(files);
    ASSERT_NE(outcome, listtest::CrashOutcome::kBroken);
    (outcome == listtest::CrashOutcome::kOld ? old : fresh) += 1;
  }
  std::printf("crash test under Windows rules: %d runs, %d old, %d new, save %.0f ms\n", kRuns, old,
              fresh, saveSeconds * 1000);
  RecordProperty("old", old);
  RecordProperty("new", fresh);
}

}  // namespace
