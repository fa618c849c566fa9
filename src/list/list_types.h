// The records of a bookmark list: the link of each item in the outline ring,
// the flag word, and the decoded item record with its 23 persisted fields.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Item indices are 16-bit; index 0 is the root. A list holds at most
// kMaxItems items (indices 1..kMaxItems); reaching kFullIndex means full.
constexpr uint16_t kRootIndex = 0;
constexpr uint16_t kMaxItems = 65279;
constexpr uint32_t kFullIndex = 65280;  // 0xFF00

// Levels as held in the link; the file stores level + 1.
constexpr int8_t kLevelRoot = -1;
constexpr int8_t kLevelCategory = 0;
constexpr int8_t kLevelSubcategory = 1;
constexpr int8_t kLevelBookmark = 2;

// The flag word. Bits below kFlagDeleted belong to the item a link
// designates (an alias reads and writes them on its target); kFlagDeleted
// and the run-time bits belong to each link.
constexpr uint16_t kFlagSmartType = 0x0007;
constexpr uint16_t kFlagSmartFolder = 0x0008;
constexpr uint16_t kFlagBookmark = 0x0010;
constexpr uint16_t kFlagSeparator = 0x0020;
constexpr uint16_t kFlagHasAliases = 0x0040;
constexpr uint16_t kFlagHasNotes = 0x0080;
constexpr uint16_t kFlagBold = 0x0100;
constexpr uint16_t kFlagKeepSorted = 0x0200;
constexpr uint16_t kFlagHasLogin = 0x0400;
constexpr uint16_t kFlagDeleted = 0x0800;
constexpr uint16_t kFlagRecentlyVisited = 0x1000;
constexpr uint16_t kFlagSearchMatch = 0x2000;
constexpr uint16_t kFlagPreviousResult = 0x4000;
constexpr uint16_t kFlagMarked = 0x8000;

constexpr uint16_t kItemFlagBits = 0x07FF;  // live on the designated item
constexpr uint16_t kLinkFlagBits = 0xF800;  // live on each link
constexpr uint16_t kPersistedFlagBits = 0x0FFF;
constexpr uint16_t kRuntimeFlagBits = 0xF000;

// SmartFolder types (flags & kFlagSmartType on an item with kFlagSmartFolder).
enum SmartFolderType : int {
  kSmartFolders = 0,  // the "SmartFolders" category itself
  kSmartFavorites = 1,
  kSmartDueToVisit = 2,
  kSmartFrequentlyVisited = 3,
  kSmartRecentlyAdded = 4,
  kSmartRecentlyVisited = 5,
};
constexpr int kSmartFolderSlots = 6;

// One item's place in the outline ring: ten bytes per item.
struct ItemLink {
  uint16_t prev = 0;
  uint16_t next = 0;
  uint16_t aliasTarget = 0;  // for an alias the index it stands for, else 0
  int8_t level = kLevelRoot;
  uint16_t flags = 0;
};
static_assert(sizeof(ItemLink) == 10, "the link table keeps ten bytes per item");

// The decoded item. Fields 0-22 are the file's columns in order; Notes and
// Keywords are held in their stored (encoded) form.
struct BookmarkItem {
  uint32_t id = 0;                 // 0 ID
  int8_t level = kLevelRoot;       // 1 Level
  uint16_t flags = 0;              // 2 Flags (with the link's run-time bits)
  uint32_t timeModified = 0;       // 3 TimeModified
  uint32_t aliasId = 0;            // 4 AliasID
  std::string title;               // 5 Title
  std::string url;                 // 6 URL
  std::string notes;               // 7 Notes (encoded)
  std::string keywords;            // 8 Keywords (encoded)
  std::string login;               // 9 Login
  std::string password;            // 10 Password
  std::string browser;             // 11 Browser
  uint32_t hotkey = 0;             // 12 Hotkey
  uint8_t rating = 0;              // 13 Rating (0-5)
  uint32_t timeAdded = 0;          // 14 TimeAdded
  uint16_t visits = 0;             // 15 Visits
  uint32_t timeLastVisit = 0;      // 16 TimeLastVisit
  uint32_t timePreviousVisit = 0;  // 17 TimePreviousVisit
  uint32_t timeDueVisit = 0;       // 18 TimeDueVisit (local wall clock as if UTC)
  std::string dueVisitInterval;    // 19 DueVisitInterval
  uint8_t siteStatus = 0;          // 20 SiteStatus
  uint32_t dateSiteUpdated = 0;    // 21 DateSiteUpdated
  uint32_t timeSiteChecked = 0;    // 22 TimeSiteChecked

  // Run-time members.
  uint16_t index = 0;     // the item whose line this record is
  uint16_t viaIndex = 0;  // the index it was reached through (the alias's)
  int64_t dueTime = 0;    // TimeDueVisit as a real point in time; 0 = none
  uint8_t changed = 0;    // edited since decoding, not yet encoded
  uint8_t decoded = 0;    // 1 fields 0-4 only, 2 all fields

  void Clear() { *this = BookmarkItem(); }
};

// The settings the model reads, handed in by the application so that the
// model needs no settings store.
struct ListSettingsView {
  uint32_t recentPeriod = 3;    // "Recent Period", days; 0 = off
  uint32_t maxSmartItems = 25;  // "Max Smart Items"
};

// One of the three columns: the live children of the item selected in the
// column above (the categories for column 0).
struct ListColumn {
  std::vector<uint16_t> entries;
  int selected = -1;  // position in entries, -1 = none
  int Last() const { return static_cast<int>(entries.size()) - 1; }
  uint16_t SelectedItem() const {
    return selected >= 0 && selected < static_cast<int>(entries.size()) ? entries[selected] : 0;
  }
};
