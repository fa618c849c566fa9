#include "exchange/places_import.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/import_test_support.h"
#include "support/list_test_support.h"
#include "support/places_fixture.h"
#include "support/temp_folder.h"

using importtest::ItemAt;
using importtest::Outline;
using placestest::PlacesFixture;
using placestest::Schema;

namespace {

using Rows = std::vector<std::string>;

// Points TMP at a folder of the test's own for as long as it lives.
class TmpVariable {
 public:
  explicit TmpVariable(const std::string& folder) {
    const char* old = std::getenv("TMP");
    had_ = old != nullptr;
    if (had_) old_ = old;
    setenv("TMP", folder.c_str(), 1);
  }
  ~TmpVariable() {
    if (had_)
      setenv("TMP", old_.c_str(), 1);
    else
      unsetenv("TMP");
  }

 private:
  bool had_ = false;
  std::string old_;
};

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

const Schema kSchemas[] = {Schema::kOld, Schema::kCurrent, Schema::kBare};

class PlacesImport : public ::testing::Test {
 protected:
  TempFolder profile, temp;
  TmpVariable tmp{temp.Path("")};
  std::string db = profile.Path("places.sqlite");
  BookmarkList list;
  void SetUp() override { importtest::FixClock(list); }
};

TEST_F(PlacesImport, MenuTreeInEverySchema) {
  for (Schema schema : kSchemas) {
    std::filesystem::remove(db);
    {
      PlacesFixture f(db, schema);
      f.Bookmark(placestest::kMenu, "Top", "http://top/");
      f.Bookmark(placestest::kMenu, "Recent", "place:sort=8");
      f.Separator(placestest::kMenu);  // judged by the bookmark before the query
      int64_t dev = f.Folder(placestest::kMenu, "Dev");
      f.Bookmark(dev, "A", "http://a/");
      int64_t sub = f.Folder(dev, "Sub");
      f.Bookmark(sub, "B", "http://b/");
      f.Separator(sub);
      f.Bookmark(sub, "B2", "http://b2/");
      int64_t deep = f.Folder(sub, "Deep");
      f.Bookmark(deep, "C", "http://c/");
      f.Separator(placestest::kMenu);
      f.Folder(placestest::kMenu, "Other");
      f.Bookmark(placestest::kToolbar, "Toolbar", "http://toolbar/");
      f.Bookmark(placestest::kUnfiled, "Unfiled", "http://unfiled/");
    }
    BookmarkList imported;
    importtest::FixClock(imported);
    ASSERT_EQ(ImportPlacesDatabase(imported, db, 0), 0) << static_cast<int>(schema);
    EXPECT_EQ(Outline(imported),
              (Rows{"C Uncategorized", "S Uncategorized", "B Top|http://top/", "-B", "C Dev",
                    "S Uncategorized", "B A|http://a/", "S Sub", "B B|http://b/", "-B",
                    "B B2|http://b2/", "S Deep", "B C|http://c/", "-C", "C Other"}))
        << static_cast<int>(schema);
    EXPECT_EQ(FilesIn(temp.Path("")), Rows{});  // the copy is gone
  }
}

TEST_F(PlacesImport, BookmarkFields) {
  struct Case {
    Schema schema;
    const char* keywords;  // as stored
    const char* notes;
  };
  const Case cases[] = {
      {Schema::kOld, "go\\ndocs\\nweb", "About &amp; more"},
      {Schema::kCurrent, "go\\ndocs\\nweb", "About &amp; more"},
      {Schema::kBare, "go\\ndocs\\nweb", ""},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(db);
    {
      PlacesFixture f(db, c.schema);
      int64_t b = f.Bookmark(placestest::kMenu, "Caf\xC3\xA9", "http://x/", 1500000000);
      f.Keyword(b, "go");
      f.Tag(b, "docs");
      f.Tag(b, "web");
      for (int64_t when : {1600000000, 1600000300, 1600000100}) f.Visit(b, when);
      if (c.schema != Schema::kBare) f.Description(b, "About &amp; more");
      int64_t k = f.Bookmark(placestest::kMenu, "Keyword only", "http://k/");
      f.Keyword(k, "kw");
      f.Bookmark(placestest::kMenu, "Never visited", "http://n/");
    }
    BookmarkList imported;
    importtest::FixClock(imported);
    ASSERT_EQ(ImportPlacesDatabase(imported, db, 4), 0);
    BookmarkItem x = ItemAt(imported, 2);
    EXPECT_EQ(x.title, "Caf\xE9");
    EXPECT_EQ(x.rating, 4);
    EXPECT_EQ(x.timeAdded, 1500000000u);
    EXPECT_EQ(x.timeLastVisit, 1600000300u);
    EXPECT_EQ(x.visits, 3);
    EXPECT_EQ(x.notes, c.notes);
    // Each tag once, whatever the number of visits; their order is the
    // database's.
    EXPECT_TRUE(x.keywords == c.keywords || x.keywords == "go\\nweb\\ndocs") << x.keywords;
    EXPECT_EQ(ItemAt(imported, 3).keywords, "kw");
    BookmarkItem never = ItemAt(imported, 4);
    EXPECT_EQ(never.visits, 0);
    EXPECT_EQ(never.timeLastVisit, 0u);
    EXPECT_EQ(never.keywords, "");
    importtest::ExpectRoundTrip(imported, profile.Path("round.bkl"));
  }
}

// The tags of a bookmark are the titles of the folders holding its place's
// other items, in the database's order of (place, type, id), as the join
// the importer once read them with gives them: also for items of other
// types, a folder without a title, a parent that is no row or no number,
// and a type that is no number (which the database orders after numbers).
TEST_F(PlacesImport, TagsAreTheHoldersTitlesInTheDatabasesOrder) {
  const char* const damages[] = {
      "",
      "UPDATE moz_bookmarks SET type='x' WHERE id=(SELECT MIN(id) FROM moz_bookmarks WHERE"
      " fk IS NOT NULL AND parent IN (SELECT id FROM moz_bookmarks WHERE parent=4))",
  };
  std::vector<std::string> tags;
  for (const char* damage : damages) {
    std::filesystem::remove(db);
    {
      PlacesFixture f(db, Schema::kCurrent);
      std::string held = std::to_string(f.Bookmark(placestest::kMenu, "Held", "http://held/"));
      f.Tag(std::stoll(held), "zeta");
      int64_t untitled = f.Folder(placestest::kToolbar, "untitled");
      f.Exec("UPDATE moz_bookmarks SET title=NULL WHERE id=" + std::to_string(untitled));
      auto hold = [&](const std::string& type, const std::string& parent) {
        f.Exec("INSERT INTO moz_bookmarks (type, fk, parent, position) SELECT " + type + ", fk, " +
               parent + ", 9 FROM moz_bookmarks WHERE id=" + held);
      };
      hold("2", std::to_string(placestest::kUnfiled));
      hold("1", std::to_string(untitled));
      hold("1", "9999");
      hold("1", "'x'");
      hold("1", std::to_string(placestest::kToolbar));
      f.Tag(std::stoll(held), "alpha");
      if (*damage) f.Exec(damage);
    }
    std::string expected;
    {
      sqlite3* oracle = nullptr;
      ASSERT_EQ(sqlite3_open(db.c_str(), &oracle), SQLITE_OK);
      sqlite3_stmt* s = nullptr;
      ASSERT_EQ(sqlite3_prepare_v2(oracle,
                                   "SELECT mb2.title FROM moz_bookmarks AS mb1 JOIN moz_bookmarks"
                                   " AS mb2 ON mb2.id=mb1.parent WHERE mb1.fk=(SELECT fk FROM"
                                   " moz_bookmarks WHERE parent=2) AND mb1.parent<>2 AND"
                                   " mb2.title IS NOT NULL ORDER BY mb1.fk,mb1.type,mb1.id",
                                   -1, &s, nullptr),
                SQLITE_OK);
      while (sqlite3_step(s) == SQLITE_ROW)
        expected += (expected.empty() ? "" : "\\n") +
                    std::string(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
      sqlite3_finalize(s);
      sqlite3_close(oracle);
    }
    BookmarkList imported;
    importtest::FixClock(imported);
    ASSERT_EQ(ImportPlacesDatabase(imported, db, 0), 0);
    EXPECT_EQ(ItemAt(imported, 2).keywords, expected) << damage;
    tags.push_back(expected);
  }
  // Four titles each time; the type that is no number puts "zeta" last.
  ASSERT_EQ(tags.size(), 2u);
  EXPECT_EQ(tags[0].rfind("zeta\\n", 0), 0u) << tags[0];
  EXPECT_EQ(tags[1].size() - tags[1].rfind("\\nzeta"), 6u) << tags[1];
  for (const std::string& t : tags) EXPECT_NE(t.find("\\nalpha\\n"), std::string::npos) << t;
}

TEST_F(PlacesImport, Failures) {
  EXPECT_EQ(ImportPlacesDatabase(list, profile.Path("missing.sqlite"), 0), -1);
  importtest::WriteFile(db, "this is not a database, just some text in a file");
  EXPECT_EQ(ImportPlacesDatabase(list, db, 0), -1);
  std::filesystem::remove(db);
  {
    sqlite3* empty = nullptr;
    sqlite3_open(db.c_str(), &empty);
    sqlite3_exec(empty, "CREATE TABLE t (x)", nullptr, nullptr, nullptr);
    sqlite3_close(empty);
  }
  EXPECT_EQ(ImportPlacesDatabase(list, db, 0), -1);
  EXPECT_EQ(list.itemCount, 0);
  EXPECT_EQ(FilesIn(temp.Path("")), Rows{});
}

// With the temporary folder set to the profile folder, the copy must still
// be a file of its own: the user's database stays as it was.
TEST_F(PlacesImport, CopyIsNeverTheSource) {
  {
    PlacesFixture f(db, Schema::kCurrent);
    f.Bookmark(placestest::kMenu, "A", "http://a/");
  }
  std::string before = listtest::ReadBytes(db);
  TmpVariable here(profile.Path(""));
  ASSERT_EQ(ImportPlacesDatabase(list, db, 0), 0);
  EXPECT_EQ(Outline(list), (Rows{"C Uncategorized", "S Uncategorized", "B A|http://a/"}));
  EXPECT_EQ(FilesIn(profile.Path("")), Rows{"places.sqlite"});
  EXPECT_EQ(listtest::ReadBytes(db), before);
}

// Bookmarks still in the write-ahead log of a running browser come along.
TEST_F(PlacesImport, WriteAheadLogIsCopiedToo) {
  PlacesFixture f(db, Schema::kCurrent);
  f.Exec("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;");
  f.Bookmark(placestest::kMenu, "In the log", "http://wal/");
  ASSERT_TRUE(std::filesystem::exists(db + "-wal"));
  ASSERT_EQ(ImportPlacesDatabase(list, db, 0), 0);
  EXPECT_EQ(Outline(list),
            (Rows{"C Uncategorized", "S Uncategorized", "B In the log|http://wal/"}));
  EXPECT_EQ(FilesIn(temp.Path("")), Rows{});
}

// A damaged tree in which the menu folder holds itself ends.
TEST_F(PlacesImport, FolderInsideItself) {
  {
    PlacesFixture f(db, Schema::kOld);
    f.Bookmark(placestest::kMenu, "A", "http://a/");
    f.Exec("UPDATE moz_bookmarks SET parent=2 WHERE id=2");
  }
  ASSERT_EQ(ImportPlacesDatabase(list, db, 0), 0);
  EXPECT_EQ(Outline(list),
            (Rows{"C Uncategorized", "S Uncategorized", "B A|http://a/", "C Bookmarks Menu"}));
}

}  // namespace
