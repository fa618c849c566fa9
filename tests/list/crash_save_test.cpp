// Saving survives being killed at any moment: a child process saves a list
// of 10,000 bookmarks and is killed at a random point of its save.
#include "support/crash_save.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>

#include "support/list_test_support.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 200;

int readyPipe[2];

void SignalReady() {
  char byte = 1;
  (void)!write(readyPipe[1], &byte, 1);
}

// Starts a saving child; returns once it has loaded the list and begins to
// save.
pid_t StartSaver(BookmarkList& list) {
  EXPECT_EQ(pipe(readyPipe), 0);
  pid_t pid = fork();
  if (pid == 0) {
    close(readyPipe[0]);
    _exit(listtest::SaveForCrashTest(list, SignalReady) == 0 ? 0 : 3);
  }
  close(readyPipe[1]);
  char byte;
  EXPECT_EQ(read(readyPipe[0], &byte, 1), 1);
  close(readyPipe[0]);
  return pid;
}

TEST(CrashSave, KilledAnywhereTheListIsOldOrNew) {
  listtest::TempFolder folder;
  const listtest::CrashFiles files = listtest::PrepareCrashFiles(folder.Path(""));
  ASSERT_NE(files.oldBytes, files.newBytes);
  // Loaded once; each child saves its own copy of it.
  auto list = listtest::LoadForCrashTest(files.path);

  // How long a whole save takes here, from the child's start signal.
  listtest::ResetCrashFiles(files);
  pid_t pid = StartSaver(*list);
  auto started = Clock::now();
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  auto saveTime = Clock::now() - started;
  ASSERT_EQ(listtest::CheckCrashOutcome(files), listtest::CrashOutcome::kNew);

  std::random_device seedSource;
  const unsigned seed = seedSource();
  RecordProperty("seed", static_cast<int>(seed));
  std::mt19937 random(seed);
  // Moments up to a fifth beyond the measured save, so some kills come
  // after the end.
  std::uniform_int_distribution<long long> moment(
      0, std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count() * 6 / 5);
  int old = 0, fresh = 0;
  for (int run = 0; run < kRuns; ++run) {
    SCOPED_TRACE(::testing::Message() << "run " << run << ", seed " << seed);
    listtest::ResetCrashFiles(files);
    pid = StartSaver(*list);
    auto deadline = Clock::now() + std::chrono::microseconds(moment(random));
    while (Clock::now() < deadline) {
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    listtest::CrashOutcome outcome = listtest::CheckCrashOutcome(files);
    ASSERT_NE(outcome, listtest::CrashOutcome::kBroken);
    (outcome == listtest::CrashOutcome::kOld ? old : fresh) += 1;
  }
  RecordProperty("old", old);
  RecordProperty("new", fresh);
  std::printf("crash test: %d runs, %d old, %d new, save %lld us\n", kRuns, old, fresh,
              static_cast<long long>(
                  std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count()));
  // The kills must fall on both sides of the replace to prove anything.
  EXPECT_GT(old, 0);
  EXPECT_GT(fresh, 0);
}

}  // namespace
