#include "settings/settings_key_win.h"

#include <cstdio>

#include "settings/settings_migration.h"
#include "settings/settings_tables.h"
#include "util/registry_win.h"

namespace {

const char* const kPrefsNames[kFamilyCount] = {"Prefs Regular", "Prefs Compact"};
const char* const kWinPosNames[kFamilyCount] = {"WinPos Regular", "WinPos Compact"};

void ReadUint32(HKEY key, const char* name, uint32_t* value) { RegReadDword(key, name, value); }

// "Preferences" and the "Prefs ..." values are 4-byte binaries.
bool ReadFlagWord(HKEY key, const char* name, uint32_t* value) {
  uint32_t word = 0;
  if (RegReadBinary(key, name, &word, sizeof word) != sizeof word) return false;
  *value = word;
  return true;
}

void ReadWindowState(HKEY key, Settings* settings) {
  ReadFlagWord(key, "Preferences", &settings->behaviourFlags);
  for (int family = 0; family < kFamilyCount; ++family) {
    if (!ReadFlagWord(key, kPrefsNames[family], &settings->windowFlags[family]))
      settings->windowFlags[family] = WindowFlagsFromBehaviour(settings->behaviourFlags, family);
    RegReadRectSet(key, kWinPosNames[family], settings->windowPositions[family].data(),
                   kWinPosCount);
  }
  settings->behaviourFlags &= ~kMovedBehaviourBits;
  for (int i = 0; i < kOldWinPosCount; ++i) {
    std::string text;
    Rect rect;
    if (!RegReadStringValue(key, kOldWinPosNames[i], &text) || !ParseRectText(text.c_str(), &rect))
      continue;
    ApplyOldWindowPosition(settings, i, rect);
    RegDeleteValueA(key, kOldWinPosNames[i]);
  }
}

void ReadColumns(HKEY key, Settings* settings) {
  std::string text;
  int widths[2];
  if (RegReadStringValue(key, "ListBox Widths", &text) &&
      std::sscanf(text.c_str(), "%d,%d", &widths[0], &widths[1]) == 2)
    settings->listBoxWidths = {widths[0], widths[1]};
  uint8_t order[kMaxListColumns];
  int size = RegReadBinary(key, "Column Order", order, sizeof order);
  if (size >= 0) {
    settings->columnOrder.fill(0);
    for (int i = 0; i < size && order[i] != 0; ++i) settings->columnOrder[i] = order[i];
  }
  uint16_t widthsRead[kMaxListColumns];
  size = RegReadBinary(key, "Column Widths", widthsRead, sizeof widthsRead);
  for (int i = 0; i < size / 2; ++i) settings->columnWidths[i] = widthsRead[i];
}

void ReadPlainValues(HKEY key, Settings* settings) {
  RegReadStringValue(key, "List Folder", &settings->listFolder);
  ReadUint32(key, "Recent Period", &settings->recentPeriod);
  ReadUint32(key, "Max Smart Items", &settings->maxSmartItems);
  ReadUint32(key, "Delay", &settings->quickLoginDelay);
  ReadUint32(key, "Simultaneous checks", &settings->simultaneousChecks);
  RegReadStringValue(key, "Font Face", &settings->fontFace);
  ReadUint32(key, "Font Size", &settings->fontSize);
  RegReadDwordSet(key, "Hot Keys", settings->programHotKeys.data(), kHotKeyCount);
  ApplyColorsRead(settings, RegReadDwordSet(key, "Colors", settings->colors.data(), kColorCount));
}

void ReadTables(HKEY key, Settings* settings) {
  RegistryTable table;
  if (RegReadTable(key, "Lists", kListColumns, kListColumnCount, &table) >= 0)
    ListsFromTable(table, settings);
  ClampCurrentList(settings);
  if (RegReadTable(key, "Browsers", kBrowserColumns, kBrowserColumnCount, &table) >= 0)
    BrowsersFromTable(table, settings);
  if (RegReadTable(key, "Import/Export", kExchangeColumns, kExchangeColumnCount, &table) >= 0)
    ExchangeFromTable(table, settings);
  if (RegReadTable(key, "Search Presets", kPresetColumns, kPresetColumnCount, &table) >= 0) {
    PresetsFromTable(table, settings);
    return;
  }
  StoredSearchOptions options;
  if (RegReadBinary(key, "Search Options", options.bytes.data(), kSearchOptionsSize) ==
      kSearchOptionsSize)
    ApplyOldSearchOptions(settings, options);
  // The older flag means nothing once presets exist.
  settings->behaviourFlags &= ~kOldSimpleUsesAdvanced;
}

bool WriteFlagWord(HKEY key, const char* name, uint32_t value) {
  return RegWriteBinary(key, name, &value, sizeof value);
}

bool WriteColumns(HKEY key, const Settings& settings) {
  char widths[32];
  std::snprintf(widths, sizeof widths, "%i,%i", settings.listBoxWidths[0],
                settings.listBoxWidths[1]);
  const int count = ListColumnCount(settings);
  bool ok = RegWriteString(key, nullptr, "ListBox Widths", widths);
  ok = RegWriteBinary(key, "Column Order", settings.columnOrder.data(), count) && ok;
  return RegWriteBinary(key, "Column Widths", settings.columnWidths.data(), 2 * count) && ok;
}

bool WritePlainValues(HKEY key, const Settings& settings) {
  bool ok = RegWriteString(key, nullptr, "List Folder", settings.listFolder);
  ok = RegWriteDword(key, "Recent Period", settings.recentPeriod) && ok;
  ok = RegWriteDword(key, "Max Smart Items", settings.maxSmartItems) && ok;
  ok = RegWriteDword(key, "Delay", settings.quickLoginDelay) && ok;
  ok = RegWriteDword(key, "Simultaneous checks", settings.simultaneousChecks) && ok;
  ok = RegWriteString(key, nullptr, "Font Face", settings.fontFace) && ok;
  ok = RegWriteDword(key, "Font Size", settings.fontSize) && ok;
  ok = RegWriteDwordSet(key, "Hot Keys", settings.programHotKeys.data(), kHotKeyCount, false) && ok;
  return RegWriteDwordSet(key, "Colors", settings.colors.data(), kColorCount, true) && ok;
}

bool WriteTables(HKEY key, const Settings& settings) {
  bool ok = RegWriteTable(key, "Lists", kListColumns, kListColumnCount, ListsToTable(settings));
  ok = RegWriteTable(key, "Browsers", kBrowserColumns, kBrowserColumnCount,
                     BrowsersToTable(settings)) &&
       ok;
  ok = RegWriteTable(key, "Import/Export", kExchangeColumns, kExchangeColumnCount,
                     ExchangeToTable(settings)) &&
       ok;
  return RegWriteTable(key, "Search Presets", kPresetColumns, kPresetColumnCount,
                       PresetsToTable(settings)) &&
         ok;
}

}  // namespace

void ReadSettingsKey(HKEY key, Settings* settings) {
  ReadWindowState(key, settings);
  ReadColumns(key, settings);
  ReadPlainValues(key, settings);
  ReadTables(key, settings);
}

bool WriteSettingsKey(HKEY key, const Settings& settings) {
  bool ok = WriteFlagWord(key, "Preferences", settings.behaviourFlags & ~kUnsavedBehaviourBits);
  for (int family = 0; family < kFamilyCount; ++family) {
    ok = WriteFlagWord(key, kPrefsNames[family], settings.windowFlags[family]) && ok;
    ok = RegWriteRectSet(key, kWinPosNames[family], settings.windowPositions[family].data(),
                         kWinPosCount, true) &&
         ok;
  }
  ok = WriteColumns(key, settings) && ok;
  ok = WritePlainValues(key, settings) && ok;
  return WriteTables(key, settings) && ok;
}
