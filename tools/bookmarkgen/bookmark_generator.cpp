// One folder tree drives both outputs: it is drawn first from the seed,
// then written as HTML or as database rows.
#include "bookmark_generator.h"

#include <sqlite3.h>

#include <cstdio>
#include <random>
#include <vector>

namespace {

const char* const kWords[] = {"news",
                              "weather",
                              "Caf\xC3\xA9",
                              "\xC3\x9C"
                              "ber",
                              "na\xC3\xAFve",
                              "M\xC3\xBCnchen",
                              "\xE6\x97\xA5\xE6\x9C\xAC",
                              "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1",
                              "price \xE2\x82\xAC",
                              "Q&amp;A",
                              "&lt;b&gt;bold&lt;/b&gt;",
                              "&quot;quoted&quot;",
                              "it&#39;s",
                              "recipes",
                              "travel",
                              "linux",
                              "kernel",
                              "reference",
                              "manual",
                              "guide",
                              "tutorial",
                              "blog",
                              "forum",
                              "video",
                              "music",
                              "library",
                              "archive",
                              "daily",
                              "review",
                              "shop",
                              "garden"};
constexpr int kWordCount = sizeof kWords / sizeof kWords[0];
constexpr int kMaxDepth = 5;

struct Link {
  int id;
  std::string title, url, description;
  uint32_t added, modified, visited;
  int visits;
  bool separatorAfter;
  std::vector<std::string> tags;
  std::string keyword;
};

struct Folder {
  std::string title;
  uint32_t added;
  std::vector<Link> links;
  std::vector<Folder> folders;
};

class TreeMaker {
 public:
  explicit TreeMaker(const GeneratorOptions& options)
      : random_(options.seed), left_(options.links) {}

  // The root holds a few loose links, then folders until the links run out.
  Folder Make() {
    Folder root;
    AddLinks(&root, Pick(2, 6));
    while (left_ > 0) root.folders.push_back(MakeFolder(1));
    return root;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::string Words(int low, int high) {
    std::string text;
    for (int i = Pick(low, high); i > 0; --i) {
      if (!text.empty()) text += ' ';
      text += kWords[Pick(0, kWordCount - 1)];
    }
    return text;
  }
  uint32_t Time() { return 1100000000u + static_cast<uint32_t>(Pick(0, 600000000)); }

  void AddLinks(Folder* folder, int count) {
    for (int i = 0; i < count && left_ > 0; ++i, --left_) {
      Link link;
      link.id = ++made_;
      link.title = Words(2, 6);
      link.url = "https://www.example" + std::to_string(made_ % 97) + ".com/" +
                 kWords[Pick(15, kWordCount - 1)] + "/page" + std::to_string(made_) +
                 ".html?id=" + std::to_string(made_) + "&amp;ref=bookmarks";
      if (Pick(0, 2) == 0) link.description = Words(4, 10);
      link.added = Time();
      link.modified = link.added + static_cast<uint32_t>(Pick(0, 1000000));
      link.visits = Pick(0, 3) == 0 ? 0 : Pick(1, 40);
      link.visited = link.visits ? link.modified + static_cast<uint32_t>(Pick(0, 1000000)) : 0;
      link.separatorAfter = Pick(0, 40) == 0;
      for (int t = Pick(0, 2); t > 0; --t) link.tags.push_back(kWords[Pick(15, kWordCount - 1)]);
      if (Pick(0, 50) == 0) link.keyword = "k" + std::to_string(made_);
      folder->links.push_back(std::move(link));
    }
  }

  Folder MakeFolder(int depth) {
    Folder folder;
    folder.title = Words(1, 3);
    folder.added = Time();
    AddLinks(&folder, Pick(10, 50));
    if (depth < kMaxDepth)
      for (int i = Pick(0, depth == 1 ? 4 : 2); i > 0 && left_ > 0; --i)
        folder.folders.push_back(MakeFolder(depth + 1));
    return folder;
  }

  std::mt19937 random_;
  int left_;
  int made_ = 0;
};

void WriteHtmlFolder(const Folder& folder, const std::string& indent, bool unclosed,
                     std::string* out) {
  for (const Link& link : folder.links) {
    *out += indent + "<DT><A HREF=\"" + link.url + "\" ADD_DATE=\"" + std::to_string(link.added) +
            "\" LAST_MODIFIED=\"" + std::to_string(link.modified) + "\"";
    if (link.visited) *out += " LAST_VISIT=\"" + std::to_string(link.visited) + "\"";
    if (!link.keyword.empty()) *out += " SHORTCUTURL=\"" + link.keyword + "\"";
    *out += ">" + link.title + (unclosed ? "\n" : "</A>\n");
    if (!link.description.empty()) *out += indent + "<DD>" + link.description + "\n";
    if (link.separatorAfter) *out += indent + "<HR>";
  }
  for (const Folder& sub : folder.folders) {
    *out += indent + "<DT><H3 ADD_DATE=\"" + std::to_string(sub.added) + "\">" + sub.title +
            "</H3>\n" + indent + "<DL><p>\n";
    WriteHtmlFolder(sub, indent + "    ", unclosed, out);
    *out += indent + "</DL><p>\n";
  }
}

int CountItems(const Folder& folder, int depth) {
  int items = 0, level = depth > 1 ? 1 : depth;
  (void)level;
  bool loose =
      !folder.links.empty() && depth < 2;  // a filler subcategory (and category at the top)
  if (loose) items += depth == 0 ? 2 : 1;
  for (const Link& link : folder.links) items += 1 + (link.separatorAfter ? 1 : 0);
  for (const Folder& sub : folder.folders) items += 1 + CountItems(sub, depth + 1);
  return items;
}

// Database rows: one place per link, bookmarks under the menu folder.
class PlacesWriter {
 public:
  explicit PlacesWriter(sqlite3* db) : db_(db) {}

  bool Exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
  }

  bool Prepare() {
    return sqlite3_prepare_v2(db_,
                              "INSERT INTO moz_bookmarks (id,type,fk,parent,position,title,"
                              "dateAdded,lastModified,guid) VALUES (?,?,?,?,?,?,?,?,?)",
                              -1, &bookmark_, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v2(db_,
                              "INSERT INTO moz_places (id,url,title,visit_count,last_visit_date,"
                              "guid) VALUES (?,?,?,?,?,?)",
                              -1, &place_, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v2(db_,
                              "INSERT INTO moz_historyvisits (place_id,visit_date,visit_type) "
                              "VALUES (?,?,1)",
                              -1, &visit_, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v2(db_, "INSERT INTO moz_keywords (keyword,place_id) VALUES (?,?)", -1,
                              &keyword_, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v2(db_,
                              "INSERT INTO moz_items_annos (item_id,anno_attribute_id,content) "
                              "VALUES (?,1,?)",
                              -1, &anno_, nullptr) == SQLITE_OK;
  }

  ~PlacesWriter() {
    for (sqlite3_stmt* s : {bookmark_, place_, visit_, keyword_, anno_}) sqlite3_finalize(s);
  }

  bool Folder(const ::Folder& folder, int64_t id) {
    int position = 0;
    for (const Link& link : folder.links) {
      int64_t place = ++lastPlace_;
      uint64_t micro = 1000000ull;
      Bind(place_, {place}, link.url, link.title, {link.visits},
           {static_cast<int64_t>(link.visited * micro)});
      int64_t bookmark = ++lastBookmark_;
      if (!Row(bookmark, 1, place, id, position++, link.title, link.added)) return false;
      for (int v = 0; v < link.visits && v < 3; ++v) {
        sqlite3_bind_int64(visit_, 1, place);
        sqlite3_bind_int64(visit_, 2, static_cast<int64_t>((link.visited - 3600u * v) * micro));
        if (!Step(visit_)) return false;
      }
      for (const std::string& tag : link.tags)
        if (!Row(++lastBookmark_, 1, place, TagFolder(tag), 0, "", link.added)) return false;
      if (!link.keyword.empty()) {
        sqlite3_bind_text(keyword_, 1, link.keyword.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(keyword_, 2, place);
        if (!Step(keyword_)) return false;
      }
      if (!link.description.empty()) {
        sqlite3_bind_int64(anno_, 1, bookmark);
        sqlite3_bind_text(anno_, 2, link.description.c_str(), -1, SQLITE_TRANSIENT);
        if (!Step(anno_)) return false;
      }
      if (link.separatorAfter && !Row(++lastBookmark_, 3, 0, id, position++, "", link.added))
        return false;
    }
    for (const ::Folder& sub : folder.folders) {
      int64_t subId = ++lastBookmark_;
      if (!Row(subId, 2, 0, id, position++, sub.title, sub.added) || !Folder(sub, subId))
        return false;
    }
    return true;
  }

  bool Row(int64_t id, int type, int64_t fk, int64_t parent, int position, const std::string& title,
           uint32_t added) {
    sqlite3_bind_int64(bookmark_, 1, id);
    sqlite3_bind_int(bookmark_, 2, type);
    if (fk)
      sqlite3_bind_int64(bookmark_, 3, fk);
    else
      sqlite3_bind_null(bookmark_, 3);
    sqlite3_bind_int64(bookmark_, 4, parent);
    sqlite3_bind_int(bookmark_, 5, position);
    if (title.empty())
      sqlite3_bind_null(bookmark_, 6);
    else
      sqlite3_bind_text(bookmark_, 6, title.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int64(bookmark_, 7, static_cast<int64_t>(added) * 1000000);
    sqlite3_bind_int64(bookmark_, 8, static_cast<int64_t>(added) * 1000000);
    std::string guid = "g" + std::to_string(id);
    sqlite3_bind_text(bookmark_, 9, guid.c_str(), -1, SQLITE_TRANSIENT);
    return Step(bookmark_);
  }

  int64_t lastBookmark_ = 10;

 private:
  void Bind(sqlite3_stmt* s, std::initializer_list<int64_t> id, const std::string& url,
            const std::string& title, std::initializer_list<int64_t> visits,
            std::initializer_list<int64_t> last) {
    sqlite3_bind_int64(s, 1, *id.begin());
    sqlite3_bind_text(s, 2, url.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(s, 3, title.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int64(s, 4, *visits.begin());
    sqlite3_bind_int64(s, 5, *last.begin());
    std::string guid = "p" + std::to_string(*id.begin());
    sqlite3_bind_text(s, 6, guid.c_str(), -1, SQLITE_TRANSIENT);
    Step(s);
  }
  bool Step(sqlite3_stmt* s) {
    int rc = sqlite3_step(s);
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    return rc == SQLITE_DONE;
  }
  int64_t TagFolder(const std::string& tag) {
    for (const auto& known : tags_)
      if (known.first == tag) return known.second;
    int64_t id = ++lastBookmark_;
    Row(id, 2, 0, 4, static_cast<int>(tags_.size()), tag, 1500000000u);
    tags_.push_back({tag, id});
    return id;
  }

  sqlite3* db_;
  sqlite3_stmt *bookmark_ = nullptr, *place_ = nullptr, *visit_ = nullptr, *keyword_ = nullptr,
               *anno_ = nullptr;
  int64_t lastPlace_ = 0;
  std::vector<std::pair<std::string, int64_t>> tags_;
};

const char kPlacesSchema[] =
    "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR,"
    " rev_host LONGVARCHAR, visit_count INTEGER DEFAULT 0, hidden INTEGER DEFAULT 0 NOT NULL,"
    " typed INTEGER DEFAULT 0 NOT NULL, frecency INTEGER DEFAULT -1 NOT NULL,"
    " last_visit_date INTEGER, guid TEXT, foreign_count INTEGER DEFAULT 0 NOT NULL,"
    " url_hash INTEGER DEFAULT 0 NOT NULL, description TEXT, preview_image_url TEXT,"
    " site_name TEXT, origin_id INTEGER, recalc_frecency INTEGER NOT NULL DEFAULT 0,"
    " alt_frecency INTEGER, recalc_alt_frecency INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE moz_historyvisits (id INTEGER PRIMARY KEY, from_visit INTEGER,"
    " place_id INTEGER, visit_date INTEGER, visit_type INTEGER, session INTEGER,"
    " source INTEGER DEFAULT 0 NOT NULL, triggeringPlaceId INTEGER);"
    "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL,"
    " parent INTEGER, position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type TEXT,"
    " dateAdded INTEGER, lastModified INTEGER, guid TEXT, syncStatus INTEGER NOT NULL DEFAULT 0,"
    " syncChangeCounter INTEGER NOT NULL DEFAULT 1);"
    "CREATE TABLE moz_keywords (id INTEGER PRIMARY KEY AUTOINCREMENT, keyword TEXT UNIQUE,"
    " place_id INTEGER, post_data TEXT);"
    "CREATE TABLE moz_anno_attributes (id INTEGER PRIMARY KEY, name VARCHAR(32) UNIQUE NOT NULL);"
    "CREATE TABLE moz_items_annos (id INTEGER PRIMARY KEY, item_id INTEGER NOT NULL,"
    " anno_attribute_id INTEGER, content LONGVARCHAR, flags INTEGER DEFAULT 0,"
    " expiration INTEGER DEFAULT 0, type INTEGER DEFAULT 0, dateAdded INTEGER DEFAULT 0,"
    " lastModified INTEGER DEFAULT 0);"
    "INSERT INTO moz_anno_attributes VALUES (1, 'bookmarkProperties/description');";
const char kPlacesIndexes[] =
    "CREATE INDEX moz_places_url_hashindex ON moz_places (url_hash);"
    "CREATE INDEX moz_historyvisits_placedateindex ON moz_historyvisits (place_id, visit_date);"
    "CREATE INDEX moz_bookmarks_itemindex ON moz_bookmarks (fk, type);"
    "CREATE INDEX moz_bookmarks_parentindex ON moz_bookmarks (parent, position);"
    "CREATE UNIQUE INDEX moz_keywords_placepostdata_uniqueindex ON moz_keywords"
    " (place_id, post_data);"
    "CREATE UNIQUE INDEX moz_items_annos_itemattributeindex ON moz_items_annos"
    " (item_id, anno_attribute_id);"
    "PRAGMA user_version = 86;";

}  // namespace

std::string GenerateNetscapeFile(const GeneratorOptions& options) {
  Folder root = TreeMaker(options).Make();
  std::string out =
      "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<!-- This is an automatically generated file. -->\n"
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
      "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks Menu</H1>\n\n<DL><p>\n";
  out.reserve(static_cast<size_t>(options.links) * 240);
  WriteHtmlFolder(root, "    ", options.unclosedLinks, &out);
  out += "</DL>\n";
  return out;
}

bool WritePlacesDatabase(const std::string& path, const GeneratorOptions& options,
                         std::string* error) {
  std::remove(path.c_str());
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
    *error = sqlite3_errmsg(db);
    sqlite3_close(db);
    return false;
  }
  Folder root = TreeMaker(options).Make();
  bool ok;
  {
    PlacesWriter writer(db);
    ok = writer.Exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN") &&
         writer.Exec(kPlacesSchema) && writer.Prepare() &&
         writer.Row(1, 2, 0, 0, 0, "", 1500000000u) &&
         writer.Row(2, 2, 0, 1, 0, "menu", 1500000000u) &&
         writer.Row(3, 2, 0, 1, 1, "toolbar", 1500000000u) &&
         writer.Row(4, 2, 0, 1, 2, "tags", 1500000000u) &&
         writer.Row(5, 2, 0, 1, 3, "unfiled", 1500000000u) && writer.Folder(root, 2) &&
         writer.Exec(kPlacesIndexes) && writer.Exec("COMMIT");
    if (!ok) *error = sqlite3_errmsg(db);
  }
  sqlite3_close(db);
  return ok;
}

int ExpectedImportedItems(const GeneratorOptions& options) {
  return CountItems(TreeMaker(options).Make(), 0);
}
