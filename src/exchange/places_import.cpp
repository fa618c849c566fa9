// The menu tree is read folder by folder with one statement; each folder's
// rows are read once, then handled in two passes: its bookmarks (with
// separators between them), then its folders, each walked at once. An
// explicit stack instead of recursion, and a record of the folders already
// walked, keep a damaged database (a folder inside itself, very deep
// nesting) from exhausting the stack or looping.
#include "exchange/places_import.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "exchange/import_outline.h"
#include "exchange/import_text.h"
#include "platform/platform.h"

namespace {

constexpr int64_t kMenuFolder = 2;
enum RowType { kBookmarkRow = 1, kFolderRow = 2, kSeparatorRow = 3 };

// The schema differs between browser versions: keywords moved from
// moz_bookmarks.keyword_id to moz_keywords.place_id, and the description
// annotations may be gone. The first variant that prepares is used.
struct QueryVariant {
  const char* notes;
  const char* keyword;
  const char* keywordJoin;
};
constexpr char kNotes[] =
    "(SELECT mia.content FROM moz_items_annos AS mia WHERE mia.item_id=mb.id"
    " AND mia.anno_attribute_id=1 LIMIT 1)";
constexpr char kKeywordById[] = " LEFT JOIN moz_keywords AS mk ON mk.id=mb.keyword_id";
constexpr char kKeywordByPlace[] =
    "(SELECT k2.keyword FROM moz_keywords AS k2 WHERE k2.place_id=mb.fk LIMIT 1)";
const QueryVariant kVariants[] = {
    {kNotes,
     "COALESCE(mk.keyword,(SELECT k2.keyword FROM moz_keywords AS k2 WHERE k2.place_id=mb.fk "
     "LIMIT 1))",
     kKeywordById},
    {kNotes, "mk.keyword", kKeywordById},
    {"NULL", kKeywordByPlace, ""},
    {"NULL", "NULL", ""},
};

// One row per item of the folder, in order, straight from the (parent,
// position) index. The tags and the last visit are looked up in tables read
// once before the walk (PlaceExtras) by the place's id (columns 6 and 8):
// as sub-queries per row they took most of the import's time.
std::string QueryText(const QueryVariant& v) {
  return std::string("SELECT mb.id,mb.type,mb.title,mp.url,") + v.notes + "," + v.keyword +
         ",mb.fk,ROUND(mb.dateAdded/1000000),mp.id,mp.visit_count "
         "FROM moz_bookmarks AS mb LEFT JOIN moz_places AS mp ON mp.id=mb.fk" +
         v.keywordJoin + " WHERE mb.parent=?1 ORDER BY mb.position";
}

// Every item that points at a place, with the title of the folder holding
// it, in the order of the (fk, type) index: the tags of a bookmark are the
// titles of the folders holding the other items of its place, one per
// line, as group_concat would join them (NULL titles left out).
constexpr char kPlaceHoldersQuery[] =
    "SELECT mb1.fk,mb1.id,mb2.title FROM moz_bookmarks AS mb1"
    " JOIN moz_bookmarks AS mb2 ON mb2.id=mb1.parent WHERE mb1.fk IS NOT NULL"
    " ORDER BY mb1.fk,mb1.type,mb1.id";
// The last visit of every visited place, in seconds.
constexpr char kLastVisitsQuery[] =
    "SELECT place_id,ROUND(MAX(visit_date)/1000000) FROM moz_historyvisits GROUP BY place_id";

struct PlacesRow {
  int64_t id = 0;
  int type = 0;
  std::string title, url, notes, keywords;
  uint32_t added = 0, lastVisit = 0;
  uint16_t visits = 0;
};

std::string TextColumn(sqlite3_stmt* statement, int column) {
  const unsigned char* text = sqlite3_column_text(statement, column);
  if (!text) return {};
  return DecodeUtf8ToAnsi(
      std::string_view(reinterpret_cast<const char*>(text),
                       static_cast<size_t>(sqlite3_column_bytes(statement, column))));
}

uint32_t TimeColumn(sqlite3_stmt* statement, int column) {
  int64_t value = sqlite3_column_int64(statement, column);
  return value <= 0 ? 0u : value > 0xFFFFFFFFll ? 0xFFFFFFFFu : static_cast<uint32_t>(value);
}

// The keyword and the tags, one per line.
std::string KeywordsText(std::string keyword, const std::string& tags) {
  if (keyword.empty()) return tags;
  if (!tags.empty()) keyword += "\n" + tags;
  return keyword;
}

struct StatementCloser {
  void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

// The tags and last visits of all places, read in two statements.
class PlaceExtras {
 public:
  bool Read(sqlite3* db) {
    Statement holders = PrepareStatement(db, kPlaceHoldersQuery);
    Statement visits = PrepareStatement(db, kLastVisitsQuery);
    if (!holders || !visits) return false;
    sqlite3_stmt* s = holders.get();
    int step;
    while ((step = sqlite3_step(s)) == SQLITE_ROW) {
      Holder holder;
      holder.item = sqlite3_column_int64(s, 1);
      const unsigned char* title = sqlite3_column_text(s, 2);
      holder.hasTitle = title != nullptr;
      if (title)
        holder.title.assign(reinterpret_cast<const char*>(title),
                            static_cast<size_t>(sqlite3_column_bytes(s, 2)));
      holders_[sqlite3_column_int64(s, 0)].push_back(std::move(holder));
    }
    if (step != SQLITE_DONE) return false;
    s = visits.get();
    while ((step = sqlite3_step(s)) == SQLITE_ROW)
      lastVisits_[sqlite3_column_int64(s, 0)] = TimeColumn(s, 1);
    return step == SQLITE_DONE;
  }

  // The tags of item, which points at place: the folders holding the
  // place's other items.
  std::string Tags(int64_t place, int64_t item) const {
    auto found = holders_.find(place);
    if (found == holders_.end()) return {};
    std::string joined;
    bool any = false;
    for (const Holder& h : found->second) {
      if (h.item == item || !h.hasTitle) continue;
      if (any) joined += '\n';
      joined += h.title;
      any = true;
    }
    return DecodeUtf8ToAnsi(joined);
  }

  uint32_t LastVisit(int64_t place) const {
    auto found = lastVisits_.find(place);
    return found == lastVisits_.end() ? 0 : found->second;
  }

 private:
  static Statement PrepareStatement(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) {
      sqlite3_finalize(raw);
      return nullptr;
    }
    return Statement(raw);
  }

  struct Holder {
    int64_t item = 0;
    bool hasTitle = false;
    std::string title;  // UTF-8, as stored
  };
  std::unordered_map<int64_t, std::vector<Holder>> holders_;
  std::unordered_map<int64_t, uint32_t> lastVisits_;
};

class PlacesWalk {
 public:
  PlacesWalk(BookmarkList& list, sqlite3* db, uint8_t rating)
      : out_(list), db_(db), rating_(rating) {}

  int Run() {
    // The copy is private to this import: map it and read it in one
    // transaction, so that the per-folder queries neither re-read pages
    // nor take the file lock again for every folder.
    sqlite3_exec(db_, "PRAGMA mmap_size=1073741824; PRAGMA cache_size=-65536; BEGIN", nullptr,
                 nullptr, nullptr);
    int result = Walk();
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    return result;
  }

 private:
  int Walk() {
    if (!Prepare() || !extras_.Read(db_)) return kImportFailed;
    ReserveText();
    std::vector<Frame> stack;
    if (!Enter(kMenuFolder, 0, &stack)) return kImportFailed;
    while (!stack.empty() && !out_.Full()) {
      Frame& top = stack.back();
      if (top.next >= top.rows.size()) {
        stack.pop_back();
        continue;
      }
      const PlacesRow& row = top.rows[top.next++];
      if (row.type == kFolderRow) {
        BookmarkItem folder = NewContainer(top.fillLevel, row.title);
        folder.timeAdded = row.added;
        out_.Append(folder);
        top.previousType = row.type;
        int64_t id = row.id;
        int depth = top.fillLevel + 1;
        if (walked_.insert(id).second && !Enter(id, depth, &stack)) return kImportFailed;
      } else {
        if (row.type == kSeparatorRow && top.previousType == kFolderRow)
          AppendSeparator(row, top.fillLevel);
        if (!IsSavedQuery(row)) top.previousType = row.type;
      }
    }
    return kImportOk;
  }

  struct Frame {
    std::vector<PlacesRow> rows;
    size_t next = 0;  // the folder pass's position
    int fillLevel = 0;
    int previousType = 0;
  };

  static bool IsSavedQuery(const PlacesRow& row) {
    return row.type == kBookmarkRow && row.url.compare(0, 6, "place:") == 0;
  }

  // Room for the lines of every bookmark row at once, rather than the line
  // table growing and copying itself many times over.
  void ReserveText() {
    sqlite3_stmt* count = nullptr;
    if (sqlite3_prepare_v2(db_, "SELECT COUNT(*) FROM moz_bookmarks", -1, &count, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(count) == SQLITE_ROW) {
      constexpr int64_t kLineBytes = 200, kMostRows = 1 << 20;
      int64_t rows = std::min<int64_t>(sqlite3_column_int64(count, 0), kMostRows);
      if (rows > 0) out_.List().ReserveLineText(static_cast<size_t>(rows * kLineBytes));
    }
    sqlite3_finalize(count);
  }

  bool Prepare() {
    for (const QueryVariant& variant : kVariants) {
      sqlite3_stmt* raw = nullptr;
      std::string sql = QueryText(variant);
      if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &raw, nullptr) == SQLITE_OK && raw) {
        statement_.reset(raw);
        return true;
      }
      sqlite3_finalize(raw);
    }
    return false;
  }

  // Reads a folder's rows, appends its bookmarks (the first pass) and
  // leaves its folders to the stack.
  bool Enter(int64_t folder, int depth, std::vector<Frame>* stack) {
    walked_.insert(folder);
    Frame frame;
    if (!ReadRows(folder, &frame.rows)) return false;
    int fillLevel = depth > 1 ? 2 : depth;
    int previousType = 0;
    for (const PlacesRow& row : frame.rows) {
      if (row.type == kBookmarkRow) {
        if (IsSavedQuery(row)) continue;
        for (; fillLevel < 2; ++fillLevel) out_.AppendFiller(fillLevel);
        AppendBookmark(row);
      } else if (row.type == kSeparatorRow && previousType == kBookmarkRow) {
        AppendSeparator(row, fillLevel);
      }
      previousType = row.type;
    }
    frame.fillLevel = depth > 1 ? 1 : depth;
    stack->push_back(std::move(frame));
    return true;
  }

  void AppendSeparator(const PlacesRow& row, int level) {
    BookmarkItem item = NewSeparator(level);
    item.timeAdded = row.added;
    out_.Append(item);
  }

  void AppendBookmark(const PlacesRow& row) {
    BookmarkItem item = NewLink(rating_);
    item.title = row.title;
    item.url = row.url;
    item.notes = TrimmedNote(row.notes);
    item.keywords = TrimmedNote(row.keywords);
    item.timeAdded = row.added;
    item.timeLastVisit = row.lastVisit;
    item.visits = row.visits;
    out_.Append(item);
  }

  bool ReadRows(int64_t folder, std::vector<PlacesRow>* rows) {
    sqlite3_stmt* s = statement_.get();
    sqlite3_reset(s);
    sqlite3_bind_int64(s, 1, folder);
    int step;
    while ((step = sqlite3_step(s)) == SQLITE_ROW) {
      PlacesRow row;
      row.id = sqlite3_column_int64(s, 0);
      row.type = sqlite3_column_int(s, 1);
      row.title = TextColumn(s, 2);
      row.added = TimeColumn(s, 7);
      if (row.type == kBookmarkRow) {
        row.url = TextColumn(s, 3);
        row.notes = TextColumn(s, 4);
        std::string tags;
        if (sqlite3_column_type(s, 6) != SQLITE_NULL)
          tags = extras_.Tags(sqlite3_column_int64(s, 6), row.id);
        row.keywords = KeywordsText(TextColumn(s, 5), tags);
        if (sqlite3_column_type(s, 8) != SQLITE_NULL)
          row.lastVisit = extras_.LastVisit(sqlite3_column_int64(s, 8));
        int64_t visits = sqlite3_column_int64(s, 9);
        row.visits = static_cast<uint16_t>(visits < 0 ? 0 : visits > 0xFFFF ? 0xFFFF : visits);
      }
      rows->push_back(std::move(row));
    }
    sqlite3_reset(s);
    return step == SQLITE_DONE;
  }

  ImportAppender out_;
  sqlite3* db_;
  uint8_t rating_;
  Statement statement_;
  PlaceExtras extras_;
  std::unordered_set<int64_t> walked_;
};

// A name in folder that neither the copy nor its companion files use yet.
bool IsFreeName(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"})
    if (platform::FileExists((path + suffix).c_str())) return false;
  return true;
}

void RemoveCopy(const std::string& copy) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"})
    platform::RemoveFile((copy + suffix).c_str());
}

// Copies a file piece by piece to a path that IsFreeName found unused.
bool CopyBytes(const std::string& from, const std::string& to) {
  platform::File in, out;
  if (in.Open(from.c_str(), platform::FileAccess::kRead) != platform::kErrorNone) return false;
  if (out.Open(to.c_str(), platform::FileAccess::kCreateWrite) != platform::kErrorNone)
    return false;
  std::vector<char> buffer(1 << 20);
  for (;;) {
    long n = in.Read(buffer.data(), buffer.size());
    if (n < 0) return false;
    if (n == 0) return true;
    if (!out.Write(buffer.data(), static_cast<size_t>(n))) return false;
  }
}

// Copies the database to a new file; empty on failure. Only a name that no
// file has is used, so the copy can never be the source.
std::string CopyDatabase(const std::string& path) {
  std::string folder = PlacesCopyFolder();
  uint32_t stamp = platform::TickCount() ^ platform::Now();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string copy = folder + "vellox-places-" + std::to_string(stamp) + "-" +
                       std::to_string(attempt) + ".sqlite";
    if (!IsFreeName(copy)) continue;
    if (!CopyBytes(path, copy)) {
      RemoveCopy(copy);
      return {};
    }
    // Recent changes may still sit in the write-ahead log beside it.
    std::string wal = path + "-wal";
    if (platform::FileExists(wal.c_str()) && !CopyBytes(wal, copy + "-wal"))
      platform::RemoveFile((copy + "-wal").c_str());
    return copy;
  }
  return {};
}

}  // namespace

std::string PlacesCopyFolder() {
  for (const char* name : {"TMP", "TEMP"}) {
    const char* value = std::getenv(name);
    if (value && *value) {
      std::string folder = value;
      if (!platform::IsPathSeparator(folder.back())) folder += platform::PreferredSeparator();
      return folder;
    }
  }
  return platform::TempFolder();
}

int ImportPlacesDatabase(BookmarkList& list, const std::string& path, uint8_t rating) {
  std::string copy = CopyDatabase(path);
  if (copy.empty()) return kImportFailed;
  sqlite3* db = nullptr;
  int result = kImportFailed;
  if (sqlite3_open_v2(platform::AnsiToUtf8(copy).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) ==
      SQLITE_OK) {
    PlacesWalk walk(list, db, rating);
    result = walk.Run();
  }
  sqlite3_close(db);
  RemoveCopy(copy);
  return result;
}
