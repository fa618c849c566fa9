#include "support/places_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace placestest {

namespace {

const char kCommonSchema[] =
    "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR,"
    " rev_host LONGVARCHAR, visit_count INTEGER DEFAULT 0, hidden INTEGER DEFAULT 0,"
    " typed INTEGER DEFAULT 0, frecency INTEGER DEFAULT -1, last_visit_date INTEGER, guid TEXT);"
    "CREATE TABLE moz_historyvisits (id INTEGER PRIMARY KEY, from_visit INTEGER,"
    " place_id INTEGER, visit_date INTEGER, visit_type INTEGER, session INTEGER);"
    "CREATE INDEX moz_historyvisits_placedateindex ON moz_historyvisits (place_id, visit_date);";
const char kBookmarksWithKeywordId[] =
    "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL,"
    " parent INTEGER, position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type TEXT,"
    " dateAdded INTEGER, lastModified INTEGER, guid TEXT);";
const char kBookmarksBare[] =
    "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL,"
    " parent INTEGER, position INTEGER, title LONGVARCHAR, dateAdded INTEGER,"
    " lastModified INTEGER, guid TEXT);";
const char kIndexes[] =
    "CREATE INDEX moz_bookmarks_itemindex ON moz_bookmarks (fk, type);"
    "CREATE INDEX moz_bookmarks_parentindex ON moz_bookmarks (parent, position);";
const char kAnnos[] =
    "CREATE TABLE moz_anno_attributes (id INTEGER PRIMARY KEY, name VARCHAR(32) UNIQUE NOT NULL);"
    "CREATE TABLE moz_items_annos (id INTEGER PRIMARY KEY, item_id INTEGER NOT NULL,"
    " anno_attribute_id INTEGER, content LONGVARCHAR, flags INTEGER DEFAULT 0,"
    " expiration INTEGER DEFAULT 0, type INTEGER DEFAULT 0, dateAdded INTEGER DEFAULT 0,"
    " lastModified INTEGER DEFAULT 0);"
    "INSERT INTO moz_anno_attributes VALUES (1, 'bookmarkProperties/description');";
const char kOldKeywords[] =
    "CREATE TABLE moz_keywords (id INTEGER PRIMARY KEY AUTOINCREMENT, keyword TEXT UNIQUE);";
const char kCurrentKeywords[] =
    "CREATE TABLE moz_keywords (id INTEGER PRIMARY KEY AUTOINCREMENT, keyword TEXT UNIQUE,"
    " place_id INTEGER, post_data TEXT);"
    "CREATE UNIQUE INDEX moz_keywords_placepostdata_uniqueindex ON moz_keywords"
    " (place_id, post_data);";

std::string Quote(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'";
}

}  // namespace

PlacesFixture::PlacesFixture(const std::string& path, Schema schema) : schema_(schema) {
  EXPECT_EQ(sqlite3_open(path.c_str(), &db_), SQLITE_OK);
  Exec(kCommonSchema);
  Exec(schema == Schema::kBare ? kBookmarksBare : kBookmarksWithKeywordId);
  Exec(kIndexes);
  if (schema != Schema::kBare) Exec(kAnnos);
  Exec(schema == Schema::kOld ? kOldKeywords : kCurrentKeywords);
  Insert(2, 0, 0, "", 0);  // 1 the root
  Insert(2, kRoot, 0, "Bookmarks Menu", 0);
  Insert(2, kRoot, 0, "Bookmarks Toolbar", 0);
  Insert(2, kRoot, 0, "Tags", 0);
  Insert(2, kRoot, 0, "Other Bookmarks", 0);
}

PlacesFixture::~PlacesFixture() { Close(); }

void PlacesFixture::Close() {
  if (db_) sqlite3_close(db_);
  db_ = nullptr;
}

void PlacesFixture::Exec(const std::string& sql) {
  char* error = nullptr;
  EXPECT_EQ(sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
      << (error ? error : "") << "\n"
      << sql;
  sqlite3_free(error);
}

int64_t PlacesFixture::Insert(int type, int64_t parent, int64_t fk, const std::string& title,
                              int64_t added) {
  std::string sql =
      "INSERT INTO moz_bookmarks (type, fk, parent, position, title, dateAdded) "
      "SELECT " +
      std::to_string(type) + ", " + (fk ? std::to_string(fk) : std::string("NULL")) + ", " +
      std::to_string(parent) +
      ", (SELECT COUNT(*) FROM moz_bookmarks WHERE parent=" + std::to_string(parent) + "), " +
      (title.empty() ? "NULL" : Quote(title)) + ", " + std::to_string(added * 1000000 + 123456);
  Exec(sql);
  return sqlite3_last_insert_rowid(db_);
}

int64_t PlacesFixture::Folder(int64_t parent, const std::string& title, int64_t added) {
  return Insert(2, parent, 0, title, added);
}

int64_t PlacesFixture::Bookmark(int64_t parent, const std::string& title, const std::string& url,
                                int64_t added) {
  Exec("INSERT INTO moz_places (url) SELECT " + Quote(url) +
       " WHERE NOT EXISTS (SELECT 1 FROM moz_places WHERE url=" + Quote(url) + ")");
  int64_t place = 0;
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db_, ("SELECT id FROM moz_places WHERE url=" + Quote(url)).c_str(), -1, &s,
                     nullptr);
  if (sqlite3_step(s) == SQLITE_ROW) place = sqlite3_column_int64(s, 0);
  sqlite3_finalize(s);
  return Insert(1, parent, place, title, added);
}

int64_t PlacesFixture::Separator(int64_t parent) { return Insert(3, parent, 0, "", 0); }

int64_t PlacesFixture::PlaceOf(int64_t bookmark) {
  int64_t place = 0;
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db_,
                     ("SELECT fk FROM moz_bookmarks WHERE id=" + std::to_string(bookmark)).c_str(),
                     -1, &s, nullptr);
  if (sqlite3_step(s) == SQLITE_ROW) place = sqlite3_column_int64(s, 0);
  sqlite3_finalize(s);
  return place;
}

void PlacesFixture::Visit(int64_t bookmark, int64_t when) {
  std::string place = std::to_string(PlaceOf(bookmark));
  Exec("INSERT INTO moz_historyvisits (place_id, visit_date) VALUES (" + place + ", " +
       std::to_string(when * 1000000 + 999999) + ")");
  Exec("UPDATE moz_places SET visit_count=visit_count+1 WHERE id=" + place);
}

int64_t PlacesFixture::TagFolder(const std::string& tag) {
  sqlite3_stmt* s = nullptr;
  int64_t id = 0;
  sqlite3_prepare_v2(
      db_, ("SELECT id FROM moz_bookmarks WHERE parent=4 AND title=" + Quote(tag)).c_str(), -1, &s,
      nullptr);
  if (sqlite3_step(s) == SQLITE_ROW) id = sqlite3_column_int64(s, 0);
  sqlite3_finalize(s);
  return id ? id : Folder(kTags, tag);
}

void PlacesFixture::Tag(int64_t bookmark, const std::string& tag) {
  Insert(1, TagFolder(tag), PlaceOf(bookmark), "", 0);
}

void PlacesFixture::Keyword(int64_t bookmark, const std::string& keyword) {
  if (schema_ == Schema::kOld) {
    Exec("INSERT INTO moz_keywords (keyword) VALUES (" + Quote(keyword) + ")");
    Exec("UPDATE moz_bookmarks SET keyword_id=" + std::to_string(sqlite3_last_insert_rowid(db_)) +
         " WHERE id=" + std::to_string(bookmark));
  } else {
    Exec("INSERT INTO moz_keywords (keyword, place_id) VALUES (" + Quote(keyword) + ", " +
         std::to_string(PlaceOf(bookmark)) + ")");
  }
}

void PlacesFixture::Description(int64_t bookmark, const std::string& text) {
  Exec("INSERT INTO moz_items_annos (item_id, anno_attribute_id, content) VALUES (" +
       std::to_string(bookmark) + ", 1, " + Quote(text) + ")");
}

}  // namespace placestest
