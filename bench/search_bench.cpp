// Search-as-you-type over a list of the largest size a list can have
// (65,279 items): every keystroke runs a full search of the list with the
// term typed so far. One keystroke should take less than a frame (16 ms).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "list/bookmark_list.h"
#include "search/search_engine.h"

namespace {

constexpr uint32_t kNow = 1600000000;
constexpr char kTypedTerm[] = "travel guide";

std::string Words(uint32_t seed, size_t length) {
  static const char* const kWords[] = {
      "news",  "daily",  "guide",  "open",   "source", "music",  "world",   "city",
      "home",  "store",  "photo",  "travel", "learn",  "cook",   "sport",   "film",
      "book",  "code",   "garden", "health", "market", "school", "weather", "review",
      "forum", "recipe", "map",    "bank",   "radio",  "game",   "library", "museum"};
  std::string text;
  while (text.size() < length) {
    if (!text.empty()) text += ' ';
    seed = seed * 1103515245u + 12345u;
    text += kWords[(seed >> 16) % (sizeof kWords / sizeof kWords[0])];
  }
  text.resize(length);
  return text;
}

// 20 categories of 10 subcategories, the rest bookmarks with titles of
// about 40 characters, addresses of about 60, a note on every third, tags,
// ratings, visits and site states.
std::unique_ptr<BookmarkList> BuildList() {
  auto list = std::make_unique<BookmarkList>();
  uint32_t now = kNow;
  list->clock = [&now] { return now; };
  const int kBookmarksPerSub = (kMaxItems - 20 - 200) / 200 + 1;
  int added = 0;
  for (int c = 0; c < 20; ++c) {
    BookmarkItem cat;
    cat.level = kLevelCategory;
    cat.title = Words(c, 18);
    list->AddItem(0, cat, 0);
    ++added;
    for (int s = 0; s < 10; ++s) {
      BookmarkItem sub;
      sub.level = kLevelSubcategory;
      sub.title = Words(c * 10 + s, 24);
      list->AddItem(0, sub, 0);
      ++added;
      for (int b = 0; b < kBookmarksPerSub && added < kMaxItems; ++b, ++added) {
        uint32_t n = static_cast<uint32_t>(added);
        BookmarkItem bm;
        bm.level = kLevelBookmark;
        bm.title = Words(n, 30 + n % 20);
        bm.url = "https://www." + Words(n * 7, 12 + n % 8) + ".example.com/" + Words(n * 3, 30);
        for (char& ch : bm.url)
          if (ch == ' ') ch = '-';
        if (n % 3 == 0) bm.notes = Words(n * 5, 80 + n % 80);
        bm.keywords = Words(n * 11, 20);
        bm.rating = static_cast<uint8_t>(n % 6);
        bm.visits = static_cast<uint16_t>(n % 50);
        bm.timeAdded = kNow - n * 600;
        bm.timeLastVisit = bm.visits ? kNow - n * 60 : 0;
        bm.siteStatus = static_cast<uint8_t>(n % 4 == 0 ? 3 : 0);
        list->AddItem(0, bm, 0);
        ++now;
      }
    }
  }
  list->clock = [] { return kNow; };
  return list;
}

BookmarkList& Fixture() {
  static std::unique_ptr<BookmarkList> list = BuildList();
  return *list;
}

// The option sets typed with.
SearchOptions Options(int64_t which) {
  SearchOptions o;
  switch (which) {
    case 1:  // whole word and punctuation-blind
      o.wholeWord = o.ignorePunctuation = true;
      break;
    case 2:  // case-sensitive: fields are searched where they lie
      o.caseSensitive = true;
      break;
    case 3:  // titles only
      o.inNotes = o.inKeywords = o.inAddresses = false;
      break;
    case 4:  // with rating and date filters
      o.ratingFilter = true;
      o.ratingValue = 3;
      o.dateFilter = true;
      o.dateDays = 200;
      RefreshDateThreshold(&o, kNow);
      break;
    default:  // the simple search's defaults
      break;
  }
  return o;
}

const char* OptionsName(int64_t which) {
  static const char* const kNames[] = {"defaults", "whole word + punctuation", "case-sensitive",
                                       "titles only", "rating + date filters"};
  return kNames[which];
}

// Types the term one character at a time; the time reported is per
// keystroke (one full search each).
void BM_SearchAsYouType(benchmark::State& state) {
  BookmarkList& list = Fixture();
  SearchOptions options = Options(state.range(0));
  std::string term = kTypedTerm;
  uint64_t matches = 0;
  for (auto _ : state) {
    for (size_t n = 1; n <= term.size(); ++n)
      matches += RunSearch(list, std::string_view(term).substr(0, n), options, false).matches;
  }
  benchmark::DoNotOptimize(matches);
  state.SetLabel(OptionsName(state.range(0)));
  state.SetItemsProcessed(state.iterations() * term.size() * list.itemCount);
  // Shown as seconds per keystroke ("20m" is 20 ms), from CPU time.
  state.counters["per_keystroke"] = benchmark::Counter(
      static_cast<double>(term.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// One keystroke with n characters typed: the early ones match the most.
void BM_SearchKeystroke(benchmark::State& state) {
  BookmarkList& list = Fixture();
  SearchOptions options;
  std::string_view term = std::string_view(kTypedTerm).substr(0, state.range(0));
  uint32_t matches = 0;
  for (auto _ : state) matches = RunSearch(list, term, options, false).matches;
  state.SetLabel("\"" + std::string(term) + "\" " + std::to_string(matches) + " matches");
}

BENCHMARK(BM_SearchAsYouType)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchKeystroke)->Arg(1)->Arg(2)->Arg(6)->Arg(12)->Unit(benchmark::kMillisecond);

}  // namespace
