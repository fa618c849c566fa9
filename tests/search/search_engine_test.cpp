#include "search/search_engine.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/list_test_support.h"

namespace {

constexpr uint32_t kDay = 86400;

struct BookmarkSpec {
  const char* title;
  const char* url;
  const char* notes;
  const char* keywords;
  uint8_t rating;
  uint32_t visitedDaysAgo;  // 0 = never
  uint8_t status;
};

// root
//   SmartFolders          (SmartFolder category)
//     Favorites           (SmartFolder): alias of Mail
//   Software              notes "tools for work"
//     Web                 Mail, Network, separator, Dotnet
//     Games (deleted)     Hidden card (deleted)
//   Cards                 keywords "play"
//     Decks               Poker, Unrated
class SearchFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    clock.Attach(list);
    smart = Container(kLevelCategory, "SmartFolders", kFlagSmartFolder);
    favorites = Container(kLevelSubcategory, "Favorites", kFlagSmartFolder | 1);
    software = Container(kLevelCategory, "Software", 0, "tools for work");
    web = Container(kLevelSubcategory, "Web");
    mail = Bookmark(
        {"E-Mail client", "http://mail.example.com/", "reads\\nmessages", "post office", 5, 1, 3});
    network = Bookmark({"Network tools", "http://net.example.org/", "", "lan", 2, 40, 5});
    separator = Container(kLevelBookmark, "", kFlagSeparator);
    dotnet = Bookmark({"dot net", "http://dotnet.example.net/", "", "", 3, 30, 0});
    games = Container(kLevelSubcategory, "Games card", kFlagDeleted);
    hidden = Bookmark({"Hidden card", "http://hidden.example/", "", "", 4, 0, 5}, kFlagDeleted);
    cards = Container(kLevelCategory, "Cards", 0, "", "play");
    decks = Container(kLevelSubcategory, "Decks");
    poker = Bookmark({"Poker cards", "http://poker.example/", "", "", 3, 31, 5});
    unrated = Bookmark({"Unrated card", "http://unrated.example/", "", "", 0, 0, 0});
    alias = list.AddAlias(software, mail, list.Decode(mail, false).id);
    ASSERT_NE(alias, 0);
    ASSERT_EQ(list.Parent(alias), favorites);
  }

  uint16_t Container(int8_t level, const char* title, uint16_t flags = 0, const char* notes = "",
                     const char* keywords = "") {
    BookmarkItem r;
    r.level = level;
    r.title = title;
    r.flags = flags;
    r.notes = notes;
    r.keywords = keywords;
    return list.AddItem(0, r, 0);
  }

  uint16_t Bookmark(const BookmarkSpec& s, uint16_t flags = 0) {
    BookmarkItem r;
    r.level = kLevelBookmark;
    r.flags = flags;
    r.title = s.title;
    r.url = s.url;
    r.notes = s.notes;
    r.keywords = s.keywords;
    r.rating = s.rating;
    r.timeLastVisit = s.visitedDaysAgo ? clock.now - s.visitedDaysAgo * kDay : 0;
    r.siteStatus = s.status;
    return list.AddItem(0, r, 0);
  }

  std::string Name(uint16_t index) {
    const std::map<uint16_t, const char*> names = {{smart, "smart"},     {favorites, "favorites"},
                                                   {alias, "alias"},     {software, "software"},
                                                   {web, "web"},         {mail, "mail"},
                                                   {network, "network"}, {separator, "separator"},
                                                   {dotnet, "dotnet"},   {games, "games"},
                                                   {hidden, "hidden"},   {cards, "cards"},
                                                   {decks, "decks"},     {poker, "poker"},
                                                   {unrated, "unrated"}};
    auto it = names.find(index);
    return it == names.end() ? "?" : it->second;
  }

  // The items that passed, by name, in list order.
  std::string Passed(const SearchResult& r) {
    std::string text;
    for (uint16_t i : r.items) text += (text.empty() ? "" : " ") + Name(i);
    return text;
  }

  // Every item carrying exactly these run-time flags, by name.
  std::string WithFlags(uint16_t flags) {
    std::string text;
    for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false))
      if ((list.Link(i).flags & (kFlagSearchMatch | kFlagPreviousResult)) == flags)
        text += (text.empty() ? "" : " ") + Name(i);
    return text;
  }

  SearchResult Search(const std::string& term, SearchOptions o = SearchOptions()) {
    RefreshDateThreshold(&o, clock.now);
    return RunSearch(list, term, o, false);
  }

  listtest::ManualClock clock;
  BookmarkList list;
  uint16_t smart, favorites, alias, software, web, mail, network, separator, dotnet, games, hidden,
      cards, decks, poker, unrated;
};

TEST_F(SearchFixture, FieldChoice) {
  struct Case {
    const char* term;
    bool titles, addresses, notes, keywords;
    const char* expected;
  };
  const Case cases[] = {
      {"mail", true, false, false, false, "alias mail"},
      {"example.org", true, false, false, false, ""},
      {"example.org", false, true, false, false, "network"},
      {"messages", false, false, true, false, "alias mail"},
      {"tools", false, false, true, false, "software"},
      {"tools", true, false, false, false, "network"},
      {"tools", true, false, true, false, "software network"},
      {"play", false, false, false, true, "cards"},
      {"office", false, false, false, true, "alias mail"},
      {"office", true, true, true, false, ""},
      {"mail", false, false, false, false, ""},
      {"client\thttp", true, true, true, true, ""},  // fields never run together
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    SearchOptions o;
    o.inTitles = c.titles;
    o.inAddresses = c.addresses;
    o.inNotes = c.notes;
    o.inKeywords = c.keywords;
    EXPECT_EQ(Passed(Search(c.term, o)), c.expected) << "case " << i << " \"" << c.term << "\"";
  }
}

TEST_F(SearchFixture, FlagsCountsAndAncestors) {
  list.modified = false;
  SearchResult r = Search("net");  // Network (title, address) and dot net
  EXPECT_FALSE(list.modified);     // the match flags are not part of the file
  EXPECT_EQ(Passed(r), "network dotnet");
  EXPECT_EQ(WithFlags(kFlagSearchMatch | kFlagPreviousResult), "network dotnet");
  EXPECT_EQ(WithFlags(kFlagSearchMatch), "software web");
  EXPECT_EQ(r.matches, 2u);
  EXPECT_EQ(r.bookmarks, 2u);
  EXPECT_EQ(r.firstMatch, network);

  // The next search clears what the last one set.
  r = Search("mail");
  EXPECT_EQ(WithFlags(kFlagSearchMatch | kFlagPreviousResult), "alias mail");
  EXPECT_EQ(WithFlags(kFlagSearchMatch), "smart favorites software web");
  EXPECT_EQ(r.matches, 2u);
  EXPECT_EQ(r.bookmarks, 1u);  // the alias is the same bookmark
  EXPECT_EQ(r.firstMatch, alias);
  EXPECT_EQ(r.firstBookmark, mail);

  r = Search("no such text");
  EXPECT_EQ(r.matches, 0u);
  EXPECT_EQ(r.firstMatch, 0);
  EXPECT_EQ(WithFlags(kFlagSearchMatch), "");
  EXPECT_EQ(WithFlags(kFlagPreviousResult), "");
}

TEST_F(SearchFixture, DeletedItemsSeparatorsAndSmartFolders) {
  // An empty term passes every live item but the separator.
  EXPECT_EQ(Passed(Search("")),
            "smart favorites alias software web mail network dotnet cards decks poker unrated");
  EXPECT_EQ(Passed(Search("card")), "cards poker unrated");

  SearchOptions o;
  o.excludeSmartFolders = true;
  SearchResult r = Search("mail", o);
  EXPECT_EQ(Passed(r), "mail");
  EXPECT_EQ(WithFlags(kFlagSearchMatch), "software web");
  EXPECT_EQ(r.bookmarks, 1u);
  EXPECT_EQ(Passed(Search("", o)), "software web mail network dotnet cards decks poker unrated");
}

TEST_F(SearchFixture, WithinPreviousResults) {
  Search("card");  // Cards (own title), Poker cards, Unrated card
  SearchOptions o;
  o.withinPrevious = true;
  EXPECT_EQ(Passed(Search("poker", o)), "poker");
  // Narrowing again: only the last result is left to search.
  EXPECT_EQ(Passed(Search("", o)), "poker");
  EXPECT_EQ(WithFlags(kFlagSearchMatch), "cards decks");
  // Matching text outside the previous results does not come back.
  EXPECT_EQ(Passed(Search("unrated", o)), "");
  EXPECT_EQ(Passed(Search("", o)), "");
}

TEST_F(SearchFixture, RatingFilter) {
  // Ratings: mail 5 (and its alias), network 2, dotnet 3, poker 3, unrated 0.
  struct Case {
    uint8_t mode, value;
    bool includeUnrated;
    const char* expected;
  };
  const Case cases[] = {
      {kRatingAtLeast, 3, false, "alias mail dotnet poker"},
      {kRatingAtLeast, 5, false, "alias mail"},
      {kRatingAtLeast, 1, false, "alias mail network dotnet poker"},
      {kRatingAtLeast, 5, true, "alias mail unrated"},
      {kRatingAtMost, 3, false, "network dotnet poker"},
      {kRatingAtMost, 1, false, ""},
      {kRatingAtMost, 3, true, "network dotnet poker unrated"},
      {kRatingUnrated, 3, false, "unrated"},
      {kRatingUnrated, 5, true, "unrated"},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    SearchOptions o;
    o.ratingFilter = true;
    o.ratingMode = c.mode;
    o.ratingValue = c.value;
    o.includeUnrated = c.includeUnrated;
    EXPECT_EQ(Passed(Search("", o)), c.expected) << "case " << i;
  }
}

TEST_F(SearchFixture, DateFilter) {
  // Last visits: mail 1 day ago, network 40, dotnet 30, poker 31, unrated never.
  struct Case {
    const char* term;
    bool moreThan;
    uint16_t days;
    const char* expected;
  };
  const Case cases[] = {
      {"", false, 30, "alias mail dotnet"},  // exactly 30 days ago is "less than"
      {"", false, 0, ""},
      {"", true, 30, "smart favorites software web network dotnet cards decks poker unrated"},
      {"net", true, 30, "network dotnet"},
      {"net", true, 31, "network"},
      {"card", true, 31, "cards poker unrated"},  // a container by its own title
      {"card", false, 31, "poker"},               // containers never pass "less than"; the
                                                  // threshold itself passes both ways
      {"tools", true, 35, "software network"},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    SearchOptions o;
    o.dateFilter = true;
    o.dateField = kDateLastVisited;
    o.dateMoreThan = c.moreThan;
    o.dateDays = c.days;
    EXPECT_EQ(Passed(Search(c.term, o)), c.expected) << "case " << i;
  }
}

TEST_F(SearchFixture, DateFields) {
  // Added and modified are "now" for every item: less than 1 day passes all
  // bookmarks, more than 1 day only the containers.
  SearchOptions o;
  o.dateFilter = true;
  o.dateDays = 1;
  for (uint8_t field : {kDateAdded, kDateModified}) {
    o.dateField = field;
    o.dateMoreThan = false;
    EXPECT_EQ(Passed(Search("", o)), "alias mail network dotnet poker unrated") << int(field);
    o.dateMoreThan = true;
    EXPECT_EQ(Passed(Search("", o)), "smart favorites software web cards decks") << int(field);
  }
  // No site has reported a date: all are "more than" any number of days.
  o.dateField = kDateSiteUpdated;
  o.dateMoreThan = false;
  EXPECT_EQ(Passed(Search("", o)), "");
}

TEST_F(SearchFixture, StatusFilter) {
  SearchOptions o;
  o.statusFilter = true;
  const std::pair<uint8_t, const char*> cases[] = {
      {5, "network poker"}, {3, "alias mail"}, {0, "dotnet unrated"}, {9, ""}};
  for (const auto& c : cases) {
    o.statusValue = c.first;
    EXPECT_EQ(Passed(Search("", o)), c.second) << int(c.first);
  }
  o.statusValue = 5;
  EXPECT_EQ(Passed(Search("poker", o)), "poker");
}

TEST_F(SearchFixture, SelectFirstFillsTheColumns) {
  SearchOptions o;
  RunSearch(list, "dot", o, true);
  EXPECT_EQ(list.columns[0].SelectedItem(), software);
  EXPECT_EQ(list.columns[1].SelectedItem(), web);
  EXPECT_EQ(list.columns[2].SelectedItem(), dotnet);
  EXPECT_EQ(DeepestSelection(list), dotnet);

  RunSearch(list, "cards", o, true);  // a category first
  EXPECT_EQ(list.columns[0].SelectedItem(), cards);
  EXPECT_EQ(list.columns[1].SelectedItem(), 0);
  EXPECT_EQ(list.columns[1].entries, std::vector<uint16_t>{decks});
  EXPECT_TRUE(list.columns[2].entries.empty());
  EXPECT_EQ(DeepestSelection(list), cards);
}

TEST_F(SearchFixture, WalkToMatch) {
  Search("card");  // cards poker unrated; decks is only a container
  struct Case {
    uint16_t from;
    bool backward;
    uint16_t expected;
  };
  const Case cases[] = {
      {0, false, cards},       {cards, false, poker}, {poker, false, unrated},
      {unrated, false, cards}, {0, true, unrated},    {cards, true, unrated},
      {unrated, true, poker},  {mail, false, cards},  {decks, true, cards},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(WalkToMatch(list, c.from, c.backward), c.expected) << "case " << i;
  }
  Search("Poker");
  EXPECT_EQ(WalkToMatch(list, poker, false), 0);  // came back to itself
  EXPECT_EQ(WalkToMatch(list, 0, true), poker);
  Search("nothing at all");
  EXPECT_EQ(WalkToMatch(list, 0, false), 0);
  EXPECT_EQ(WalkToMatch(list, hidden, false), 0);  // from an item off the live ring
}

}  // namespace
