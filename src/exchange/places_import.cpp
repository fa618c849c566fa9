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
// annotations may be gone. The first variant whose statements all prepare
// is used.
struct QueryVariant {
  bool notes;           // descriptions in moz_items_annos
  bool keywordById;     // moz_bookmarks.keyword_id, joined to moz_keywords
  bool keywordByPlace;  // moz_keywords.place_id (used where the first gives none)
};
const QueryVariant kVariants[] = {
    {true, true, true},
    {true, true, false},
    {false, false, true},
    {false, false, false},
};

// One row per item of the folder, in order, straight from the (parent,
// position) index. The description, the keyword by place, the tags and the
// last visit are looked up in tables read once before the walk
// (PlaceExtras): as sub-queries per row they took most of the import's time.
enum Column { kId, kType, kTitle, kUrl, kKeywordById, kPlace, kAdded, kVisitedPlace, kVisits };
std::string QueryText(const QueryVariant& v) {
  return std::string("SELECT mb.id,mb.type,mb.title,mp.url,") +
         (v.keywordById ? "mk.keyword" : "NULL") +
         ",mb.fk,ROUND(mb.dateAdded/1000000),mp.id,mp.visit_count "
         "FROM moz_bookmarks AS mb LEFT JOIN moz_places AS mp ON mp.id=mb.fk" +
         (v.keywordById ? " LEFT JOIN moz_keywords AS mk ON mk.id=mb.keyword_id" : "") +
         " WHERE mb.parent=?1 ORDER BY mb.position";
}

// Every item that points at a place, with the folder holding it: the tags
// of a bookmark are the titles of the folders holding the other items of
// its place, in the order of (fk, type, id), one per line, as group_concat
// would join them (NULL titles left out). The rows are read in one scan of
// the table and put in that order in memory; asked of SQLite, the order
// costs a seek into the table for every row (the index lacks the parent).
// Only where a place or a type is not an integer, which orders otherwise
// in SQL, does SQLite order them.
#define VELLOX_PLACE_HOLDERS "SELECT fk,type,id,parent FROM moz_bookmarks WHERE fk IS NOT NULL"
constexpr char kPlaceHoldersQuery[] = VELLOX_PLACE_HOLDERS;
constexpr char kPlaceHoldersInOrderQuery[] = VELLOX_PLACE_HOLDERS " ORDER BY fk,type,id";
#undef VELLOX_PLACE_HOLDERS
// The folders' titles are read apart, once per folder: joined to each row,
// they cost a second seek for every row.
constexpr char kFolderTitleQuery[] = "SELECT title FROM moz_bookmarks WHERE id=?1";
// The last visit of every visited place, in seconds.
constexpr char kLastVisitsQuery[] =
    "SELECT place_id,ROUND(MAX(visit_date)/1000000) FROM moz_historyvisits GROUP BY place_id";
// The description of every item that has one (the first in index order).
constexpr char kNotesQuery[] =
    "SELECT item_id,content FROM moz_items_annos WHERE anno_attribute_id=1 ORDER BY item_id";
// The first keyword of every place in the (place, post data) index's order.
constexpr char kKeywordsByPlaceQuery[] =
    "SELECT place_id,keyword FROM moz_keywords WHERE place_id IS NOT NULL"
    " ORDER BY place_id,post_data";

struct PlacesRow {
  int64_t id = 0;
  int type = 0;
  bool savedQuery = false;  // a bookmark of a "place:" address
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
  // Prepares the statements the variant needs; false when one does not
  // prepare (the schema lacks its table or column).
  bool Prepare(sqlite3* db, const QueryVariant& variant) {
    holderScan_ = PrepareStatement(db, kPlaceHoldersQuery);
    holderOrder_ = PrepareStatement(db, kPlaceHoldersInOrderQuery);
    folders_ = PrepareStatement(db, kFolderTitleQuery);
    visits_ = PrepareStatement(db, kLastVisitsQuery);
    notes_ = variant.notes ? PrepareStatement(db, kNotesQuery) : nullptr;
    keywords_ = variant.keywordByPlace ? PrepareStatement(db, kKeywordsByPlaceQuery) : nullptr;
    return holderScan_ && holderOrder_ && folders_ && visits_ && (notes_ || !variant.notes) &&
           (keywords_ || !variant.keywordByPlace);
  }

  // Makes the tables ready for the places and items of rows bookmarks, so
  // that reading them does not rehash over and over.
  void Reserve(size_t rows) {
    holders_.reserve(rows);
    lastVisits_.reserve(rows);
    if (notes_) notesByItem_.reserve(rows);
    if (keywords_) keywordsByPlace_.reserve(rows);
  }

  bool Read() {
    if (!ReadHolders()) return false;
    if (!ReadFolderTitles()) return false;
    sqlite3_stmt* s = visits_.get();
    int step;
    while ((step = sqlite3_step(s)) == SQLITE_ROW)
      lastVisits_[sqlite3_column_int64(s, 0)] = TimeColumn(s, 1);
    if (step != SQLITE_DONE) return false;
    return ReadFirstTexts(notes_.get(), &notesByItem_) &&
           ReadFirstTexts(keywords_.get(), &keywordsByPlace_);
  }

  // The description of an item (empty when it has none).
  std::string Notes(int64_t item) const { return Found(notesByItem_, item); }
  // The first keyword of a place, if the schema keeps keywords by place.
  bool KeywordOf(int64_t place, std::string* keyword) const {
    auto found = keywordsByPlace_.find(place);
    if (found == keywordsByPlace_.end() || !found->second.present) return false;
    *keyword = DecodeUtf8ToAnsi(found->second.text);
    return true;
  }

  // The tags of item, which points at place: the folders holding the
  // place's other items.
  std::string Tags(int64_t place, int64_t item) const {
    auto range =
        std::equal_range(holders_.begin(), holders_.end(), Holder{place, 0, 0, 0},
                         [](const Holder& a, const Holder& b) { return a.place < b.place; });
    std::string joined;
    bool any = false;
    for (auto h = range.first; h != range.second; ++h) {
      if (h->item == item) continue;
      // A folder that is no row holds nothing; a NULL title is left out.
      const FirstText& folder = folderTitles_.find(h->folder)->second;
      if (!folder.present) continue;
      if (any) joined += '\n';
      joined += folder.text;
      any = true;
    }
    return DecodeUtf8ToAnsi(joined);
  }

  uint32_t LastVisit(int64_t place) const {
    auto found = lastVisits_.find(place);
    return found == lastVisits_.end() ? 0 : found->second;
  }

 private:
  struct FirstText {
    bool present = false;  // not NULL
    std::string text;      // UTF-8, as stored
  };

  static Statement PrepareStatement(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) {
      sqlite3_finalize(raw);
      return nullptr;
    }
    return Statement(raw);
  }

  static std::string RawText(sqlite3_stmt* s, int column) {
    const unsigned char* text = sqlite3_column_text(s, column);
    if (!text) return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<size_t>(sqlite3_column_bytes(s, column)));
  }

  // Rows of (id, text): the first text of each id, as a sub-query with
  // LIMIT 1 over the same index would give it. A statement not prepared
  // (the variant does not use it) reads nothing.
  static bool ReadFirstTexts(sqlite3_stmt* s, std::unordered_map<int64_t, FirstText>* byId) {
    if (!s) return true;
    int step;
    while ((step = sqlite3_step(s)) == SQLITE_ROW) {
      FirstText first{sqlite3_column_type(s, 1) != SQLITE_NULL, RawText(s, 1)};
      byId->emplace(sqlite3_column_int64(s, 0), std::move(first));  // a later row keeps the first
    }
    return step == SQLITE_DONE;
  }

  // The title of every folder that holds a place's item: absent (not
  // present) for an id that is no row, as the join would drop it.
  bool ReadFolderTitles() {
    sqlite3_stmt* s = folders_.get();
    for (auto& [id, title] : folderTitles_) {
      sqlite3_reset(s);
      sqlite3_bind_int64(s, 1, id);
      int step = sqlite3_step(s);
      if (step == SQLITE_ROW) {
        title = {sqlite3_column_type(s, 0) != SQLITE_NULL, RawText(s, 0)};
      } else if (step != SQLITE_DONE) {
        return false;
      }
    }
    sqlite3_reset(s);
    return true;
  }

  static std::string Found(const std::unordered_map<int64_t, FirstText>& byId, int64_t id) {
    auto found = byId.find(id);
    if (found == byId.end() || !found->second.present) return {};
    return DecodeUtf8ToAnsi(found->second.text);
  }

  struct Holder {
    int64_t place, item;
    int64_t folder;  // its parent
    int64_t type;
  };

  // Reads holders_, in order of place, then type, then item, as the
  // ordered query gives them (grouped by place as an integer).
  bool ReadHolders() {
    bool integers = true;
    int step = ReadHolderRows(holderScan_.get(), &integers);
    if (step == SQLITE_DONE && integers) {
      std::sort(holders_.begin(), holders_.end(), [](const Holder& a, const Holder& b) {
        return a.place != b.place ? a.place < b.place
               : a.type != b.type ? a.type < b.type
                                  : a.item < b.item;
      });
    } else if (step == SQLITE_DONE) {
      holders_.clear();
      folderTitles_.clear();
      step = ReadHolderRows(holderOrder_.get(), &integers);
      std::stable_sort(holders_.begin(), holders_.end(),
                       [](const Holder& a, const Holder& b) { return a.place < b.place; });
    }
    return step == SQLITE_DONE;
  }

  // Appends the rows of s to holders_ and notes each folder in
  // folderTitles_; *integers becomes false when a place or a type is not an
  // integer.
  int ReadHolderRows(sqlite3_stmt* s, bool* integers) {
    int step;
    while ((step = sqlite3_step(s)) == SQLITE_ROW) {
      if (sqlite3_column_type(s, 0) != SQLITE_INTEGER ||
          sqlite3_column_type(s, 1) != SQLITE_INTEGER)
        *integers = false;
      // Only an integer parent can equal a row's id: any other never joins.
      if (sqlite3_column_type(s, 3) != SQLITE_INTEGER) continue;
      Holder holder{sqlite3_column_int64(s, 0), sqlite3_column_int64(s, 2),
                    sqlite3_column_int64(s, 3), sqlite3_column_int64(s, 1)};
      holders_.push_back(holder);
      folderTitles_.emplace(holder.folder, FirstText());
    }
    return step;
  }

  Statement holderScan_, holderOrder_, folders_, visits_, notes_, keywords_;
  platform::LargeTable<Holder> holders_;  // sorted by place
  std::unordered_map<int64_t, uint32_t> lastVisits_;
  std::unordered_map<int64_t, FirstText> notesByItem_, keywordsByPlace_;
  std::unordered_map<int64_t, FirstText> folderTitles_;  // by id, of the folders holding places
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
    if (!Prepare()) return kImportFailed;
    size_t rows = CountRows();
    extras_.Reserve(rows);
    if (!extras_.Read()) return kImportFailed;
    // Room for the lines of every bookmark row at once, rather than the
    // line table growing and copying itself many times over.
    constexpr size_t kLineBytes = 200;
    if (rows > 0) out_.List().ReserveLineText(rows * kLineBytes);
    out_.List().ReserveItems(rows);
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

  static bool IsSavedQuery(const PlacesRow& row) { return row.savedQuery; }

  // The number of rows in the bookmarks table (0 when it cannot be counted),
  // at most a million: the sizes the tables are made for.
  size_t CountRows() {
    constexpr int64_t kMostRows = 1 << 20;
    sqlite3_stmt* count = nullptr;
    int64_t rows = 0;
    if (sqlite3_prepare_v2(db_, "SELECT COUNT(*) FROM moz_bookmarks", -1, &count, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(count) == SQLITE_ROW)
      rows = std::clamp<int64_t>(sqlite3_column_int64(count, 0), 0, kMostRows);
    sqlite3_finalize(count);
    return static_cast<size_t>(rows);
  }

  bool Prepare() {
    for (const QueryVariant& variant : kVariants) {
      sqlite3_stmt* raw = nullptr;
      std::string sql = QueryText(variant);
      if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &raw, nullptr) == SQLITE_OK && raw &&
          extras_.Prepare(db_, variant)) {
        statement_.reset(raw);
        variant_ = variant;
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
    for (PlacesRow& row : frame.rows) {
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

  // Takes the row's title and address: the folder pass needs neither.
  void AppendBookmark(PlacesRow& row) {
    BookmarkItem item = NewLink(rating_);
    item.title = std::move(row.title);
    item.url = std::move(row.url);
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
      row.id = sqlite3_column_int64(s, kId);
      row.type = sqlite3_column_int(s, kType);
      row.title = TextColumn(s, kTitle);
      row.added = TimeColumn(s, kAdded);
      if (row.type == kBookmarkRow) {
        row.url = TextColumn(s, kUrl);
        row.savedQuery = row.url.compare(0, 6, "place:") == 0;
        if (variant_.notes) row.notes = extras_.Notes(row.id);
        bool hasPlace = sqlite3_column_type(s, kPlace) != SQLITE_NULL;
        int64_t place = sqlite3_column_int64(s, kPlace);
        // The keyword by id, else the place's first keyword (COALESCE).
        std::string keyword;
        if (sqlite3_column_type(s, kKeywordById) != SQLITE_NULL)
          keyword = TextColumn(s, kKeywordById);
        else if (variant_.keywordByPlace && hasPlace)
          extras_.KeywordOf(place, &keyword);
        std::string tags;
        if (hasPlace) tags = extras_.Tags(place, row.id);
        row.keywords = KeywordsText(keyword, tags);
        if (sqlite3_column_type(s, kVisitedPlace) != SQLITE_NULL)
          row.lastVisit = extras_.LastVisit(sqlite3_column_int64(s, kVisitedPlace));
        int64_t visits = sqlite3_column_int64(s, kVisits);
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
  QueryVariant variant_{};
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

namespace {

// The connection belongs to the importing thread alone: no mutex around
// every call into SQLite.
constexpr int kPrivateConnection = SQLITE_OPEN_NOMUTEX;

// True when a write-ahead log beside the database holds changes that are
// not in the database file yet (the browser is running, or was killed).
bool HasPendingLog(const std::string& path) {
  platform::File wal;
  std::string name = path + "-wal";
  return wal.Open(name.c_str(), platform::FileAccess::kRead) == platform::kErrorNone &&
         wal.Size() != 0;
}

// Reads the whole database into memory and opens that private copy, which
// costs no temporary file and no second pass over the disk. Only for a
// database without pending log changes, which a memory copy cannot apply.
// The copy lives in *memory, which must outlive the connection.
bool OpenMemoryCopy(const std::string& path, std::unique_ptr<platform::LargeBlock>* memory,
                    sqlite3** db) {
  constexpr int64_t kMostBytes = int64_t{1} << 30;
  platform::File file;
  if (file.Open(path.c_str(), platform::FileAccess::kRead) != platform::kErrorNone) return false;
  int64_t size = file.Size();
  if (size < 100 || size > kMostBytes) return false;  // smaller than a database header
  *memory = std::make_unique<platform::LargeBlock>(static_cast<size_t>(size));
  unsigned char* bytes = (*memory)->Data();
  if (!bytes) return false;
  int64_t done = 0;
  for (long n; done < size && (n = file.Read(bytes + done, static_cast<size_t>(size - done))) > 0;)
    done += n;
  // A database in write-ahead-log mode opens from memory only in the
  // rollback mode; the log is empty, so the two read the same.
  constexpr int kWriteVersion = 18, kReadVersion = 19, kWalMode = 2, kRollbackMode = 1;
  if (done == size && bytes[kWriteVersion] == kWalMode) bytes[kWriteVersion] = kRollbackMode;
  if (done == size && bytes[kReadVersion] == kWalMode) bytes[kReadVersion] = kRollbackMode;
  if (done != size || sqlite3_open_v2(":memory:", db, kPrivateConnection | SQLITE_OPEN_READWRITE,
                                      nullptr) != SQLITE_OK)
    return false;
  // Read only: SQLite reads the bytes where they are and never grows them.
  return sqlite3_deserialize(*db, "main", bytes, size, size, SQLITE_DESERIALIZE_READONLY) ==
         SQLITE_OK;
}

int WalkDatabase(BookmarkList& list, sqlite3* db, uint8_t rating) {
  PlacesWalk walk(list, db, rating);
  return walk.Run();
}

}  // namespace

int ImportPlacesDatabase(BookmarkList& list, const std::string& path, uint8_t rating) {
  sqlite3* db = nullptr;
  if (!HasPendingLog(path)) {
    std::unique_ptr<platform::LargeBlock> memory;
    bool opened = OpenMemoryCopy(path, &memory, &db);
    int result = opened ? WalkDatabase(list, db, rating) : kImportFailed;
    sqlite3_close(db);  // before the memory goes
    // A file SQLite could not read from memory may still open as a file.
    if (opened) return result;
    db = nullptr;
  }
  std::string copy = CopyDatabase(path);
  if (copy.empty()) return kImportFailed;
  int result = kImportFailed;
  if (sqlite3_open_v2(platform::AnsiToUtf8(copy).c_str(), &db,
                      kPrivateConnection | SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
    result = WalkDatabase(list, db, rating);
  sqlite3_close(db);
  RemoveCopy(copy);
  return result;
}
