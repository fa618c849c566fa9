// The site checker against the loopback server (tools/peers), from the
// bookmark list to the stored statuses. Runs inside a network namespace of
// its own (tests/CMakeLists.txt), where only loopback exists.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "checker/check_run.h"
#include "checker/check_waiter.h"
#include "checker/loopback_server.h"
#include "list/list_delete.h"
#include "list/list_save.h"
#include "list/site_status.h"
#include "platform/platform.h"
#include "support/list_test_support.h"

namespace {

constexpr uint32_t kTestTimeoutMs = 1500;  // a server that never answers costs two of these

class CheckerLoopback : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.Ready()) << "tools/peers/site_server.py did not start";
    clock.Attach(list);
    BookmarkItem r;
    r.level = kLevelCategory;
    r.title = "C";
    category = list.AddItem(0, r, 0);
    r.level = kLevelSubcategory;
    r.title = "S";
    list.AddItem(0, r, 0);
  }

  uint16_t Add(const std::string& url, uint8_t status = 0, uint32_t checked = 0,
               uint32_t lastVisit = 0) {
    BookmarkItem r;
    r.level = kLevelBookmark;
    r.title = url;
    r.url = url;
    r.siteStatus = status;
    r.timeSiteChecked = checked;
    r.timeLastVisit = lastVisit;
    return list.AddItem(0, r, 0);
  }
  BookmarkItem Get(uint16_t index) {
    BookmarkItem r;
    list.DecodeInto(index, false, &r);
    return r;
  }
  CheckRunOptions Options(int jobs) {
    CheckRunOptions options;
    options.jobs = jobs;
    options.timeoutMs = kTestTimeoutMs;
    options.wake = waiter.WakeFunction();
    return options;
  }
  // Steps the run as the idle processing does until every check is stored.
  void RunToEnd(CheckRun& run) {
    RunChecksToEnd(run, waiter, nullptr);
    ASSERT_TRUE(run.Finished());
  }

  LoopbackServer server{6};
  listtest::ManualClock clock;
  CheckWaiter waiter;
  BookmarkList list;
  uint16_t category = 0;
};

struct Behaviour {
  const char* what;
  std::string url;
  uint8_t status;
};

TEST_F(CheckerLoopback, EveryBehaviourGetsItsStatusWithOneJobAndWithEight) {
  const std::vector<Behaviour> behaviours = {
      {"200", server.Url(0, "ok"), kSiteOk},
      {"200 with Last-Modified", server.Url(0, "ok-lm/1500000000"), kSiteOk},
      {"301", server.Url(0, "redirect/301"), kSiteMoved},
      {"302", server.Url(0, "redirect/302"), kSiteOk},
      {"303", server.Url(0, "redirect/303"), kSiteOk},
      {"307", server.Url(0, "redirect/307"), kSiteOk},
      {"308", server.Url(0, "redirect/308"), kSiteOk},
      {"404", server.Url(1, "status/404"), kSitePageNotFound},
      {"410", server.Url(1, "status/410"), kSitePageNotFound},
      {"500", server.Url(1, "status/500"), kSiteServerError},
      {"403 on both", server.Url(1, "status/403"), kSiteUnknown},
      {"HEAD 405, GET 200", server.Url(2, "head-only/405"), kSiteOk},
      {"HEAD 501, GET 200", server.Url(2, "head-only/501"), kSiteOk},
      {"HEAD 403, GET 200", server.Url(2, "head-only/403"), kSiteOk},
      {"HEAD 404, GET 200", server.Url(2, "head-only/404"), kSiteOk},
      {"429 then 200", server.Url(3, "busy/a"), kSiteOk},
      {"reset once", server.Url(3, "reset-once/a"), kSiteOk},
      {"reset always", server.Url(3, "reset"), kSiteServerNotFound},
      {"never answers", server.Url(4, "hang"), kSiteUnknown},
      {"empty reply", server.Url(4, "empty"), kSiteUnknown},
      {"huge body", server.Url(4, "huge"), kSiteOk},
      {"refused", server.RefusedUrl(), kSiteNotChecked},
      {"unknown host", "http://nowhere.invalid/", kSiteServerNotFound},
      {"mailto", "mailto:someone@example.com", kSiteNotValidUrl},
      {"ftp", "ftp://127.0.0.2/file", kSiteNotValidUrl},
      {"no host", "http:///path", kSiteNotValidUrl},
      {"QuickSearch marker", server.Url(0, "ok<vx:prompt/>"), kSiteOk},
  };
  for (int jobs : {1, 8}) {
    SCOPED_TRACE("jobs " + std::to_string(jobs));
    list.Reset();
    SetUp();
    server.Reset();
    std::vector<uint16_t> items;
    for (const Behaviour& b : behaviours) items.push_back(Add(b.url));
    CheckRun run(list, Options(jobs));
    run.StartScope(0);
    RunToEnd(run);
    for (size_t i = 0; i < behaviours.size(); ++i) {
      BookmarkItem r = Get(items[i]);
      EXPECT_EQ(r.siteStatus, behaviours[i].status) << i << " " << behaviours[i].what;
      EXPECT_EQ(r.timeSiteChecked, clock.now) << behaviours[i].what;
    }
    EXPECT_EQ(Get(items[1]).dateSiteUpdated, 1500000000u);
    EXPECT_EQ(run.Done(), static_cast<int>(behaviours.size()));
    EXPECT_EQ(run.Total(), behaviours.size());
  }
}

TEST_F(CheckerLoopback, NoHostEverHasMoreThanFourChecksAtOnce) {
  for (int i = 0; i < 16; ++i) Add(server.Url(i % 2, "slow/300"));
  for (int i = 0; i < 4; ++i) Add(server.Url(2 + i, "slow/300"));
  CheckRun run(list, Options(12));
  run.StartScope(0);
  RunToEnd(run);
  std::map<std::string, int> most = server.MostConnections();
  EXPECT_EQ(most["127.0.0.2"], kMaxChecksPerHost);
  EXPECT_EQ(most["127.0.0.3"], kMaxChecksPerHost);
  for (const auto& [host, count] : most) EXPECT_LE(count, kMaxChecksPerHost) << host;
}

TEST_F(CheckerLoopback, RecentAndInvalidAddressesAreNotCheckedAgain) {
  const uint32_t now = clock.now;
  uint16_t recent = Add(server.Url(1, "status/404"), kSiteOk, now - 600);
  uint16_t invalid = Add("mailto:a@b", kSiteNotValidUrl, now - 86400);
  uint16_t old = Add(server.Url(0, "ok"), kSitePageNotFound, now - 7200);
  // Reset to "Not checked": checked however recently it was checked.
  uint16_t reset = Add(server.Url(0, "ok"), kSiteNotChecked, now - 60);
  {
    CheckRun run(list, Options(1));
    run.StartScope(0);
    RunToEnd(run);
    EXPECT_EQ(run.Done(), 4);  // the skipped ones are counted as done
  }
  EXPECT_EQ(Get(recent).siteStatus, kSiteOk);
  EXPECT_EQ(Get(recent).timeSiteChecked, now - 600);
  EXPECT_EQ(Get(invalid).timeSiteChecked, now - 86400);
  EXPECT_EQ(Get(old).siteStatus, kSiteOk);
  EXPECT_EQ(Get(reset).siteStatus, kSiteOk);

  // --all: the recent one again, the invalid address still never.
  clock.now += 10;
  CheckRunOptions all = Options(8);
  all.recheckRecent = true;
  CheckRun run(list, all);
  run.StartScope(0);
  RunToEnd(run);
  EXPECT_EQ(Get(recent).siteStatus, kSitePageNotFound);
  EXPECT_EQ(Get(invalid).timeSiteChecked, now - 86400);
}

TEST_F(CheckerLoopback, WholeListSkipsAliasesAndDeletedItemsAndCountsAsTheScope) {
  uint16_t first = Add(server.Url(0, "ok"));
  uint16_t deleted = Add(server.Url(0, "ok"));
  ASSERT_EQ(DeleteItem(list, deleted, false, false), 0);
  BookmarkItem c;
  c.level = kLevelCategory;
  c.title = "D";
  uint16_t second = list.AddItem(0, c, 0);
  c.level = kLevelSubcategory;
  list.AddItem(0, c, 0);
  uint16_t other = Add(server.Url(1, "redirect/301"));
  uint16_t alias = list.AddAlias(0, first, Get(first).id);
  const std::string aliasLine(list.Line(alias));

  CheckRun run(list, Options(8));
  run.StartScope(0);
  EXPECT_EQ(run.Total(), 2u);
  RunToEnd(run);
  EXPECT_EQ(run.Done(), 2);
  EXPECT_EQ(Get(first).siteStatus, kSiteOk);
  EXPECT_EQ(Get(other).siteStatus, kSiteMoved);
  EXPECT_EQ(Get(deleted).siteStatus, kSiteNotChecked);
  EXPECT_EQ(std::string(list.Line(alias)), aliasLine);

  // A category's scope: its bookmarks, the alias's target through it.
  BookmarkItem reset = Get(first);
  reset.siteStatus = kSiteNotChecked;
  list.Encode(reset);
  CheckRun scoped(list, Options(1));
  scoped.StartScope(second);
  EXPECT_EQ(scoped.Total(), 2u);  // the bookmark and the alias
  RunToEnd(scoped);
  EXPECT_EQ(scoped.Done(), 2);
  EXPECT_EQ(Get(first).siteStatus, kSiteOk);
  EXPECT_EQ(scoped.ScopeRoot(), second);
}

TEST_F(CheckerLoopback, UpdatedOnlyForAVisitedBookmarkWithALaterPage) {
  const uint32_t page = 1500000000;
  const std::string url = server.Url(0, "ok-lm/" + std::to_string(page));
  uint16_t visitedBefore = Add(url, 0, 0, page - 100);
  uint16_t visitedAfter = Add(url, 0, 0, page + 100);
  uint16_t neverVisited = Add(url);
  CheckRun run(list, Options(8));
  run.StartScope(0);
  RunToEnd(run);
  EXPECT_EQ(Get(visitedBefore).siteStatus, kSiteUpdated);
  EXPECT_EQ(Get(visitedAfter).siteStatus, kSiteOk);
  EXPECT_EQ(Get(neverVisited).siteStatus, kSiteOk);
  for (uint16_t i : {visitedBefore, visitedAfter, neverVisited})
    EXPECT_EQ(Get(i).dateSiteUpdated, page);
}

TEST_F(CheckerLoopback, PauseAndCancelLetRunningChecksFinishAndBeStored) {
  std::vector<uint16_t> items;
  for (int i = 0; i < 24; ++i) items.push_back(Add(server.Url(i % 6, "slow/400")));
  auto countStatus = [&](uint8_t status) {
    int n = 0;
    for (uint16_t i : items) n += Get(i).siteStatus == status;
    return n;
  };
  CheckRun run(list, Options(8));
  run.StartScope(0);
  run.Step(nullptr);
  ASSERT_EQ(countStatus(kSiteChecking), 8);
  ASSERT_EQ(run.Taken(), 8);
  EXPECT_EQ(run.Done(), 0);

  run.SetActive(false);  // Pause
  RunChecksToEnd(run, waiter, nullptr);
  EXPECT_EQ(run.Done(), 8);  // nothing new started
  EXPECT_EQ(countStatus(kSiteOk), 8);
  EXPECT_EQ(countStatus(kSiteChecking), 0);

  ASSERT_TRUE(run.CanToggle());
  run.SetActive(true);  // Resume
  run.Step(nullptr);
  EXPECT_EQ(run.Taken(), 16);
  EXPECT_EQ(run.Done(), 8);
  run.Cancel();
  RunChecksToEnd(run, waiter, nullptr);
  EXPECT_FALSE(run.Step(nullptr));
  EXPECT_EQ(run.Done(), 16);
  EXPECT_EQ(countStatus(kSiteOk), 16);
  EXPECT_EQ(countStatus(kSiteChecking), 0);
  EXPECT_EQ(countStatus(kSiteNotChecked), 8);
  EXPECT_FALSE(run.Finished());  // cancelled, not exhausted
}

TEST_F(CheckerLoopback, ADroppedRunNeverWritesIntoItsList) {
  uint16_t item = Add(server.Url(0, "slow/300"));
  {
    CheckRun run(list, Options(1));
    run.StartScope(item);
    run.Step(nullptr);
    EXPECT_TRUE(run.AnyRunning());
  }  // the list is closed while its check runs
  const std::string line(list.Line(item));
  waiter.Wait(1000);
  EXPECT_EQ(std::string(list.Line(item)), line);
  EXPECT_EQ(Get(item).siteStatus, kSiteChecking);
}

}  // namespace

namespace {

std::string RunCli(const std::string& arguments) {
  std::string output;
  std::FILE* pipe = popen((std::string(VELLOX_CLI) + " " + arguments).c_str(), "r");
  if (!pipe) return output;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  pclose(pipe);
  return output;
}

TEST_F(CheckerLoopback, CliChecksTheListSavesItAndPrintsEachBookmarkInListOrder) {
  listtest::TempFolder folder;
  const std::string path = folder.Path("Sites.bkl");
  const uint32_t now = platform::Now();
  uint16_t ok = Add(server.Url(0, "ok"));
  uint16_t missing = Add(server.Url(1, "status/404"));
  uint16_t mail = Add("mailto:someone@example.com");
  list.AddAlias(0, ok, Get(ok).id);
  uint16_t recent = Add(server.Url(2, "status/410"), kSiteOk, now - 600);
  uint32_t error = 0;
  ASSERT_EQ(WriteListFile(list, path, &error), 0);
  auto line = [&](uint16_t i, const char* status) {
    BookmarkItem r = Get(i);
    return std::to_string(r.id) + "\t" + status + "\t" + r.url + "\n";
  };

  EXPECT_EQ(RunCli("check '" + path + "' --jobs 4"),
            line(ok, "3\tOK") + line(missing, "5\tPage not found") +
                line(mail, "8\tNot a valid URL") + "checked: 3\n");
  BookmarkList saved;
  ASSERT_EQ(listtest::Open(saved, path), ListResult::ReadWrite);
  BookmarkItem r;
  saved.DecodeInto(missing, false, &r);
  EXPECT_EQ(r.siteStatus, kSitePageNotFound);
  EXPECT_GE(r.timeSiteChecked, now);
  CloseList(saved, false);

  EXPECT_EQ(RunCli("check '" + path + "'"), "checked: 0\n");
  EXPECT_EQ(RunCli("check '" + path + "' --all --jobs 1"),
            line(ok, "3\tOK") + line(missing, "5\tPage not found") +
                line(recent, "5\tPage not found") + "checked: 3\n");
}

}  // namespace
