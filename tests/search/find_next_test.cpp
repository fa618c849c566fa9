#include "search/find_next.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/list_test_support.h"

namespace {

// One category, one subcategory, then a bookmark per title.
std::unique_ptr<BookmarkList> MakeList(const std::vector<std::string>& titles) {
  auto list = std::make_unique<BookmarkList>();
  BookmarkItem r;
  r.level = kLevelCategory;
  r.title = "Category";
  list->AddItem(0, r, 0);
  r.level = kLevelSubcategory;
  r.title = "Subcategory";
  list->AddItem(0, r, 0);
  for (const std::string& title : titles) {
    r.level = kLevelBookmark;
    r.title = title;
    list->AddItem(0, r, 0);
  }
  return list;
}

// Configured lists held in memory; the log records what the search asked.
class FakeSource : public SearchListSource {
 public:
  std::vector<std::unique_ptr<BookmarkList>> lists;  // nullptr: cannot be opened
  int current = 0;
  int candidate = -1;
  bool releaseAnswer = true;
  std::string log;

  int ListCount() const override { return static_cast<int>(lists.size()); }
  int CurrentListIndex() const override { return current; }
  bool ReleaseSecondSlot() override {
    log += "release ";
    return releaseAnswer;
  }
  BookmarkList* OpenCandidate(int n) override {
    log += "open" + std::to_string(n) + " ";
    candidate = lists[n] ? n : -1;
    return lists[n].get();
  }
  void AdoptCandidate() override {
    log += "adopt" + std::to_string(candidate) + " ";
    current = candidate;
  }
  void CloseCandidate() override { log += "close "; }
  BookmarkList& Current() { return *lists[current]; }
};

// List 0: "apple pie" "banana" "apple tart" "cherry apple"
class FindNextFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    source.lists.push_back(MakeList({"apple pie", "banana", "apple tart", "cherry apple"}));
    source.lists.push_back(MakeList({"plum"}));
    source.lists.push_back(nullptr);
    source.lists.push_back(MakeList({"apple one", "pear", "apple two"}));
    options.searchAllLists = true;
    result = RunSearch(source.Current(), "apple", options, true);
  }
  // Item indices of list 0 / list 3: 1 category, 2 subcategory, 3.. bookmarks.
  FindNextOutcome Step(bool backward, bool byHand = false, bool withSource = true) {
    BookmarkList& list = source.Current();
    return FindNext(list, result, "apple", options, backward, byHand,
                    withSource ? &source : nullptr);
  }

  FakeSource source;
  SearchOptions options;
  SearchResult result;
};

TEST_F(FindNextFixture, StepsForwardAndBackwardInTheList) {
  ASSERT_EQ(result.firstMatch, 3);
  ASSERT_EQ(DeepestSelection(source.Current()), 3);
  EXPECT_EQ(Step(false).index, 5);
  EXPECT_EQ(Step(false).index, 6);
  EXPECT_EQ(DeepestSelection(source.Current()), 6);
  EXPECT_EQ(Step(true).index, 5);
  EXPECT_EQ(Step(true).index, 3);
  EXPECT_EQ(Step(true).index, 6);  // backward wraps round to the last match
  EXPECT_EQ(source.log, "");
}

TEST_F(FindNextFixture, ForwardPastTheLastMatch) {
  SelectItem(source.Current(), 6);
  // Without other lists nothing changes: the last match stays selected.
  FindNextOutcome none = Step(false, false, false);
  EXPECT_EQ(none.index, 0);
  EXPECT_EQ(DeepestSelection(source.Current()), 6);
  // A selection made by hand lets the first match count again.
  EXPECT_EQ(Step(false, true, false).index, 3);
  // So does starting with nothing selected.
  source.Current().FillColumn(0, 0);
  source.Current().FillColumn(1, 0);
  source.Current().FillColumn(2, 0);
  EXPECT_EQ(Step(false, false, false).index, 3);
}

TEST_F(FindNextFixture, ContinuesIntoTheNextListWithMatches) {
  SelectItem(source.Current(), 6);
  FindNextOutcome step = Step(false);
  EXPECT_EQ(source.log, "release open1 open2 open3 adopt3 ");  // list 2 is skipped
  EXPECT_TRUE(step.otherList);
  EXPECT_EQ(step.others, OtherListsResult::Found);
  EXPECT_EQ(step.list, source.lists[3].get());
  EXPECT_EQ(source.current, 3);
  EXPECT_EQ(step.index, 3);  // the first match of the new list
  EXPECT_EQ(DeepestSelection(*step.list), 3);
  EXPECT_EQ(result.matches, 2u);
  EXPECT_TRUE(step.list->TestFlags(5, kFlagPreviousResult));
  // The next step stays in the new list: its first match was not passed.
  EXPECT_EQ(Step(false).index, 5);
}

TEST_F(FindNextFixture, BackwardGoesThroughTheListsBackward) {
  // A single match that is selected: the walk comes back to it.
  result = RunSearch(source.Current(), "banana", options, true);
  options.searchAllLists = true;
  FindNextOutcome step = FindNext(source.Current(), result, "apple", options, true, false, &source);
  EXPECT_EQ(source.log, "release open3 adopt3 ");
  EXPECT_EQ(step.index, 5);  // the last match of the new list
}

TEST_F(FindNextFixture, NoOtherListHasAMatch) {
  source.lists[3] = MakeList({"pear"});
  SelectItem(source.Current(), 6);
  FindNextOutcome step = Step(false);
  EXPECT_EQ(step.index, 0);
  EXPECT_EQ(step.others, OtherListsResult::NotFound);
  EXPECT_EQ(source.log, "release open1 open2 open3 close ");
  EXPECT_EQ(source.current, 0);
  EXPECT_EQ(step.list, source.lists[0].get());
  EXPECT_EQ(DeepestSelection(source.Current()), 6);
}

TEST_F(FindNextFixture, CancelledOrOneListOnly) {
  SelectItem(source.Current(), 6);
  source.releaseAnswer = false;
  FindNextOutcome step = Step(false);
  EXPECT_EQ(step.others, OtherListsResult::Cancelled);
  EXPECT_EQ(source.log, "release ");
  EXPECT_EQ(source.current, 0);

  source.log.clear();
  source.lists.resize(1);
  EXPECT_EQ(Step(false).index, 0);
  EXPECT_EQ(source.log, "");  // a single list has no others to search

  options.searchAllLists = false;
  source.lists.push_back(MakeList({"apple"}));
  EXPECT_EQ(Step(false).index, 0);
  EXPECT_EQ(source.log, "");
}

TEST(OtherLists, OpenListOutsideTheMenuSearchesEveryList) {
  FakeSource source;
  source.lists.push_back(MakeList({"x"}));
  source.lists.push_back(MakeList({"kiwi"}));
  source.current = -1;
  OtherListsOutcome forward = SearchOtherLists(source, "kiwi", SearchOptions(), false);
  EXPECT_EQ(source.log, "release open0 open1 adopt1 ");
  EXPECT_EQ(forward.listIndex, 1);
  EXPECT_EQ(forward.search.matches, 1u);
  source.log.clear();
  source.current = -1;
  SearchOtherLists(source, "kiwi", SearchOptions(), true);
  EXPECT_EQ(source.log, "release open1 adopt1 ");
}

}  // namespace
