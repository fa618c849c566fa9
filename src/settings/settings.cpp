#include "settings/settings.h"

std::vector<SearchPreset> Settings::DefaultSearchPresets() {
  // Preset 0 and preset 1 always exist; preset 1 also drives simple searches.
  return {SearchPreset{"Custom", "", StoredSearchOptions()},
          SearchPreset{"Simple", "", StoredSearchOptions()}};
}

bool operator==(const KnownListEntry& a, const KnownListEntry& b) {
  return a.name == b.name && a.path == b.path && a.start == b.start;
}

bool operator==(const BrowserEntry& a, const BrowserEntry& b) {
  return a.name == b.name && a.path == b.path && a.ddeService == b.ddeService &&
         a.method == b.method;
}

bool operator==(const ExchangeEntry& a, const ExchangeEntry& b) {
  return a.name == b.name && a.path == b.path;
}

bool operator==(const SearchPreset& a, const SearchPreset& b) {
  return a.name == b.name && a.match == b.match && a.options == b.options;
}

bool operator==(const Settings& a, const Settings& b) {
  return a.behaviourFlags == b.behaviourFlags && a.windowFlags == b.windowFlags &&
         a.listBoxWidths == b.listBoxWidths && a.columnOrder == b.columnOrder &&
         a.columnWidths == b.columnWidths && a.listFolder == b.listFolder &&
         a.recentPeriod == b.recentPeriod && a.maxSmartItems == b.maxSmartItems &&
         a.quickLoginDelay == b.quickLoginDelay && a.simultaneousChecks == b.simultaneousChecks &&
         a.fontFace == b.fontFace && a.fontSize == b.fontSize &&
         a.windowPositions == b.windowPositions && a.programHotKeys == b.programHotKeys &&
         a.colors == b.colors && a.lists == b.lists && a.currentListIndex == b.currentListIndex &&
         a.browsers == b.browsers && a.defaultBrowser == b.defaultBrowser &&
         a.exchangeEntries == b.exchangeEntries && a.exchangeIndex == b.exchangeIndex &&
         a.searchPresets == b.searchPresets && a.appPath == b.appPath &&
         a.installer == b.installer && a.startMenu == b.startMenu;
}

void ResetSettingsToDefaults(Settings* settings) {
  Settings defaults;
  defaults.appPath = settings->appPath;
  defaults.installer = settings->installer;
  defaults.startMenu = settings->startMenu;
  defaults.appFolder = settings->appFolder;
  *settings = defaults;
}

int ListColumnCount(const Settings& settings) {
  int count = 0;
  while (count < kMaxListColumns && settings.columnOrder[count] != 0) ++count;
  return count;
}
