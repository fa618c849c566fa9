// Builds small browser "places" databases for the importer tests, in the
// older schema (keywords by moz_bookmarks.keyword_id) or the current one
// (keywords by moz_keywords.place_id, keyword_id left empty).
#pragma once

#include <cstdint>
#include <string>

struct sqlite3;

namespace placestest {

enum class Schema {
  kOld,      // keyword_id and moz_keywords(id, keyword)
  kCurrent,  // moz_keywords(place_id, ...), keyword_id unused
  kBare,     // neither keyword_id nor moz_items_annos
};

// Folder ids of the roots every database has.
constexpr int64_t kRoot = 1, kMenu = 2, kToolbar = 3, kTags = 4, kUnfiled = 5;

class PlacesFixture {
 public:
  PlacesFixture(const std::string& path, Schema schema);
  ~PlacesFixture();
  PlacesFixture(const PlacesFixture&) = delete;
  PlacesFixture& operator=(const PlacesFixture&) = delete;

  // Items are placed at the end of their parent. Times are seconds.
  int64_t Folder(int64_t parent, const std::string& title, int64_t added = 0);
  int64_t Bookmark(int64_t parent, const std::string& title, const std::string& url,
                   int64_t added = 0);
  int64_t Separator(int64_t parent);
  void Visit(int64_t bookmark, int64_t when);
  void Tag(int64_t bookmark, const std::string& tag);  // under the tags root
  void Keyword(int64_t bookmark, const std::string& keyword);
  void Description(int64_t bookmark, const std::string& text);
  void Exec(const std::string& sql);
  void Close();

 private:
  int64_t PlaceOf(int64_t bookmark);
  int64_t Insert(int type, int64_t parent, int64_t fk, const std::string& title, int64_t added);
  int64_t TagFolder(const std::string& tag);

  sqlite3* db_ = nullptr;
  Schema schema_;
};

}  // namespace placestest
