// The settings object: every setting the program keeps, as a plain record
// with its defaults. Held by the application object for the whole run;
// read from and written to the registry by settings_store_win.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/stored_search_options.h"
#include "util/rect.h"

// One entry of the List menu ("Lists").
struct KnownListEntry {
  std::string name;
  std::string path;
  uint32_t start = 0;  // handed to the opening of the list
};

// One configured browser. The first four fields are stored ("Browsers");
// the last three, how its windows are found on the screen, come from the
// table of known browsers when the settings are loaded and are never stored.
struct BrowserEntry {
  std::string name;
  std::string path;           // executable, optionally followed by arguments
  std::string ddeService;     // "DDE"; also the browser's identity in a bookmark
  std::string method;         // "DDE" or "COM"
  std::string titleText;      // the main window's caption contains it; "" any
  std::string frameClass;     // the main window's class begins with it
  std::string documentClass;  // class of the page's child window (COM only)
};

// One import/export target ("Import/Export").
struct ExchangeEntry {
  std::string name;
  std::string path;
};

// One named advanced-search option set ("Search Presets").
struct SearchPreset {
  std::string name;
  std::string match;  // the search text
  StoredSearchOptions options;
};

// Window families: Regular and Organize share one, Compact has its own.
constexpr int kFamilyRegular = 0;
constexpr int kFamilyCompact = 1;
constexpr int kFamilyCount = 2;

// Remembered window positions per family.
constexpr int kWinPosMain = 0;
constexpr int kWinPosNotes = 1;
constexpr int kWinPosListView = 2;
constexpr int kWinPosSearch = 3;
constexpr int kWinPosTips = 4;
constexpr int kWinPosChecking = 5;
constexpr int kWinPosCount = 6;

// Window modes: the low nibble of BehaviourFlags.
constexpr int kModeCompact = 1;
constexpr int kModeRegular = 2;
constexpr int kModeOrganize = 3;

// BehaviourFlags: the word of behaviour options ("Preferences"). Every bit
// the program reads is named here and nowhere else.
constexpr uint32_t kBehaviourModeMask = 0x0000000F;  // kModeCompact ... kModeOrganize
// The tray icon; the main window's close button then minimizes the
// program instead of ending it, and the command window starts hidden.
constexpr uint32_t kBehaviourUseTray = 0x00000100;
constexpr uint32_t kBehaviourStartMinimized = 0x00000200;
constexpr uint32_t kBehaviourMenuHelp = 0x00000400;      // message-line help
constexpr uint32_t kBehaviourAutoMinimize = 0x00000800;  // after opening a bookmark
constexpr uint32_t kBehaviourNewTabDefault = 0x00004000;
constexpr uint32_t kBehaviourOneClickOpen = 0x00008000;
constexpr uint32_t kBehaviourAskBeforeSaving = 0x00010000;
constexpr uint32_t kBehaviourNoReadOnlyWarning = 0x00020000;
constexpr uint32_t kBehaviourRememberPasswords = 0x00080000;  // till exit
constexpr uint32_t kBehaviourFlatStyle = 0x00100000;       // custom (flat) look; clear: standard 3D
constexpr uint32_t kBehaviourCustomFont = 0x00200000;      // fontFace/fontSize on the dialogs
constexpr uint32_t kBehaviourShowTips = 0x00800000;        // the tips dialog at start-up
constexpr uint32_t kBehaviourTypeToSearch = 0x01000000;    // typing goes to the search box
constexpr uint32_t kBehaviourNoDueAlerts = 0x02000000;     // no "Due to visit" alerts
constexpr uint32_t kBehaviourAutoOpenUnique = 0x04000000;  // the only search match opens
constexpr uint32_t kBehaviourAutoHideNotes = 0x08000000;   // an empty notes window hides
// The notes window's dock mode in bits 4-5 (kDockOff, kDockSide, kDockBelow
// of view/notes_docking.h).
constexpr uint32_t kBehaviourDockMask = 0x00000030;
constexpr int kBehaviourDockShift = 4;
constexpr uint32_t kBehaviourDockSide = 0x00000010;
constexpr uint32_t kBehaviourDockBelow = 0x00000020;

// WindowFlags bits, one word per window family.
constexpr uint32_t kWindowKeepAtFront = 0x1;
constexpr uint32_t kWindowNotesOpen = 0x2;

constexpr int kMaxListColumns = 23;  // List View columns that can be shown
constexpr int kHotKeyCount = 4;
constexpr int kColorCount = 8;

constexpr uint32_t kDefaultBehaviourFlags = 0x01904C12;
constexpr uint32_t kDefaultSimultaneousChecks = 8;

struct Settings {
  uint32_t behaviourFlags = kDefaultBehaviourFlags;
  std::array<uint32_t, kFamilyCount> windowFlags = {0, 0};
  std::array<int, 2> listBoxWidths = {-1, -1};  // splitters of the three-column window
  // List View column numbers in display order, ended by the first 0.
  std::array<uint8_t, kMaxListColumns> columnOrder = {1, 5, 13, 16, 18, 15, 21, 14, 3, 6};
  // Widths in the order of columnOrder.
  std::array<uint16_t, kMaxListColumns> columnWidths = {200, 150, 45, 70, 70, 40, 140, 70, 70, 250};
  std::string listFolder;     // absolute in memory
  uint32_t recentPeriod = 3;  // days
  uint32_t maxSmartItems = 25;
  uint32_t quickLoginDelay = 350;  // milliseconds ("Delay")
  // Site checks run at once ("Simultaneous checks"); 1 checks one bookmark
  // at a time.
  uint32_t simultaneousChecks = kDefaultSimultaneousChecks;
  std::string fontFace;
  uint32_t fontSize = 0;  // tenths of a point
  // Left, top, right, bottom per family and window (kWinPos...); all zero
  // until a window has stored its place.
  std::array<std::array<Rect, kWinPosCount>, kFamilyCount> windowPositions = {};
  std::array<uint32_t, kHotKeyCount> programHotKeys = {0, 0, 0, 0};
  std::array<uint32_t, kColorCount> colors = {0xD8E9EC, 0xB2FAFF, 0x2F2FB3, 0xCCCC00,
                                              0x000000, 0xA8B9BC, 0xF0FFFF, 0xB2B2B2};

  std::vector<KnownListEntry> lists;  // paths absolute in memory
  int currentListIndex = 0;
  std::vector<BrowserEntry> browsers;
  int defaultBrowser = 0;  // -1: none
  std::vector<ExchangeEntry> exchangeEntries;
  int exchangeIndex = 0;  // last used entry
  std::vector<SearchPreset> searchPresets = DefaultSearchPresets();

  // Machine-wide values written by setup.
  std::string appPath;
  std::string installer;
  std::string startMenu;

  // Not stored: the application folder (with a trailing backslash), set by
  // start-up before loading. Paths inside it are stored relative to it, and
  // the backup file falls back to it.
  std::string appFolder;

  static std::vector<SearchPreset> DefaultSearchPresets();

  // One bit (kBehaviour...) of the behaviour flags.
  bool HasBehaviour(uint32_t bit) const { return (behaviourFlags & bit) != 0; }
  void ToggleBehaviour(uint32_t bit) { behaviourFlags ^= bit; }
  int DockMode() const {
    return static_cast<int>((behaviourFlags & kBehaviourDockMask) >> kBehaviourDockShift);
  }
  void SetDockMode(int mode) {
    behaviourFlags = (behaviourFlags & ~kBehaviourDockMask) |
                     ((static_cast<uint32_t>(mode) << kBehaviourDockShift) & kBehaviourDockMask);
  }
  // The window mode of the low nibble, and setting it.
  int WindowMode() const { return static_cast<int>(behaviourFlags & kBehaviourModeMask); }
  void SetWindowMode(int mode) {
    behaviourFlags = (behaviourFlags & ~kBehaviourModeMask) | static_cast<uint32_t>(mode);
  }
  // One bit (kWindow...) of a window family's flags.
  bool HasWindowFlag(int family, uint32_t bit) const { return (windowFlags[family] & bit) != 0; }
  void ToggleWindowFlag(int family, uint32_t bit) { windowFlags[family] ^= bit; }
};

bool operator==(const KnownListEntry& a, const KnownListEntry& b);
bool operator==(const BrowserEntry& a, const BrowserEntry& b);
bool operator==(const ExchangeEntry& a, const ExchangeEntry& b);
bool operator==(const SearchPreset& a, const SearchPreset& b);
// Compares every stored setting and the machine-wide values (not appFolder).
bool operator==(const Settings& a, const Settings& b);
inline bool operator!=(const Settings& a, const Settings& b) { return !(a == b); }

// Puts back the defaults used when nothing is stored. The machine-wide
// values and the application folder describe the installation, not the
// user's choices, and are kept.
void ResetSettingsToDefaults(Settings* settings);
// Number of columns in columnOrder (up to the first 0).
int ListColumnCount(const Settings& settings);
