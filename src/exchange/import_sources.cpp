#include "exchange/import_sources.h"

#include "exchange/aol_import.h"
#include "exchange/chromium_import.h"
#include "exchange/earlier_list_import.h"
#include "exchange/favorites_import.h"
#include "exchange/msn_import.h"
#include "exchange/netscape_import.h"
#include "exchange/opera_import.h"
#include "exchange/places_import.h"
#include "exchange/powermarks_import.h"

namespace {

constexpr const char* kHtmlFiles = "*.html;*.htm";
constexpr const char* kChromiumFile = "Bookmarks";
constexpr const char* kChromiumFiles = "Bookmarks;*.json";
constexpr const char* kBookmarksFile = " Bookmarks file";

constexpr ImportSource kSources[kImportSourceCount] = {
    {"Internet Explorer favorites", "iexplore", " Favorites folder", nullptr, nullptr,
     "Internet Explorer", ImportFavoritesTree, ProfileRoot::kNone, nullptr},
    {"Firefox bookmarks", "firefox", " Bookmarks database", "places.sqlite", "*.sqlite", "Firefox",
     ImportPlacesDatabase, ProfileRoot::kNone, nullptr},
    {"Netscape/SeaMonkey/Camino/Mozilla bookmarks", "netscape", kBookmarksFile, "bookmarks.html",
     kHtmlFiles, "Netscape", ImportNetscapeHtml, ProfileRoot::kNone, nullptr},
    {"AOL/Compuserve Personal Filing Cabinet", "aol", " Personal Filing Cabinet", nullptr, "*.pfc",
     "AOL", ImportAolCabinet, ProfileRoot::kNone, nullptr},
    {"Compass bookmarks", "compass", kBookmarksFile, "bookmarks.html", kHtmlFiles, "Compass",
     ImportNetscapeHtml, ProfileRoot::kNone, nullptr},
    {"MSN favorites", "msn", " Favorites", "favorites.xml", "*.xml", "MSN", ImportMsnFavorites,
     ProfileRoot::kNone, nullptr},
    {"Opera Hotlist", "opera", " Hotlist", "opera6.adr", "*.adr", "Opera", ImportOperaHotlist,
     ProfileRoot::kNone, nullptr},
    // The places database of a browser derived from Firefox.
    {"Pale Moon bookmarks", "palemoon", " Bookmarks database", "places.sqlite", "*.sqlite",
     "Pale Moon", ImportPlacesDatabase, ProfileRoot::kNone, nullptr},
    {"Powermarks bookmarks", "powermarks", kBookmarksFile, "pm35.htm", "*.htm", "Powermarks",
     ImportPowermarks, ProfileRoot::kNone, nullptr},
    {"Safari bookmarks", "safari", kBookmarksFile, "bookmarks.html", kHtmlFiles, "Safari",
     ImportNetscapeHtml, ProfileRoot::kNone, nullptr},
    {"Yahoo! bookmarks", "yahoo", kBookmarksFile, "bookmarks.html", kHtmlFiles, "Yahoo!",
     ImportNetscapeHtml, ProfileRoot::kNone, nullptr},
    {"Start Menu", "start", " folder", nullptr, nullptr, "Start Menu", ImportFavoritesTree,
     ProfileRoot::kNone, nullptr},
    {"Orvandel", "orvand", " list file", nullptr, "*.txt", "Orvandel", ImportEarlierList,
     ProfileRoot::kNone, nullptr},
    {"Chrome bookmarks", "chrome", kBookmarksFile, kChromiumFile, kChromiumFiles, "Chrome",
     ImportChromiumBookmarks, ProfileRoot::kLocalAppData, "Google\\Chrome\\User Data"},
    {"Edge bookmarks", "edge", kBookmarksFile, kChromiumFile, kChromiumFiles, "Edge",
     ImportChromiumBookmarks, ProfileRoot::kLocalAppData, "Microsoft\\Edge\\User Data"},
    {"Brave bookmarks", "brave", kBookmarksFile, kChromiumFile, kChromiumFiles, "Brave",
     ImportChromiumBookmarks, ProfileRoot::kLocalAppData,
     "BraveSoftware\\Brave-Browser\\User Data"},
    {"Vivaldi bookmarks", "vivaldi", kBookmarksFile, kChromiumFile, kChromiumFiles, "Vivaldi",
     ImportChromiumBookmarks, ProfileRoot::kLocalAppData, "Vivaldi\\User Data"},
    // The hotlist row keeps the key "opera" for the browser's earlier file.
    {"Opera bookmarks", "operabookmarks", kBookmarksFile, kChromiumFile, kChromiumFiles, "Opera",
     ImportChromiumBookmarks, ProfileRoot::kRoamingAppData, "Opera Software\\Opera Stable"},
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (Lower(text[i]) != Lower(prefix[i])) return false;
  return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithNoCase(a, b);
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
  for (size_t at = 0; at + part.size() <= text.size(); ++at)
    if (StartsWithNoCase(text.substr(at), part)) return true;
  return false;
}

}  // namespace

const ImportSource* ImportSourceAt(int code) {
  if (code < 0 || code >= kImportSourceCount) return nullptr;
  return &kSources[code];
}

int ImportSourceByKey(std::string_view key) {
  for (int code = 0; code < kImportSourceCount; ++code)
    if (key == kSources[code].key) return code;
  return -1;
}

int InitialImportSource(std::string_view defaultBrowser) {
  if (StartsWithNoCase(defaultBrowser, "netscape")) return kNetscapeSource;
  if (EqualsNoCase(defaultBrowser, "opera")) return kOperaHotlistSource;
  for (int code = kFirstChromiumSource; code < kImportSourceCount; ++code)
    if (ContainsNoCase(defaultBrowser, kSources[code].shortName)) return code;
  return kFavoritesSource;
}
