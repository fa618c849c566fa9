#include "settings/settings_tables.h"

#include <cstdlib>

#include "util/number_text.h"

const char* const kListColumns[kListColumnCount] = {"", "Path", "Start"};
const char* const kBrowserColumns[kBrowserColumnCount] = {"", "Path", "DDE", "Method"};
const char* const kExchangeColumns[kExchangeColumnCount] = {"", "Path"};
const char* const kPresetColumns[kPresetColumnCount] = {"", "Match", "Options"};

namespace {

// Column c of a row, or "" when the row is short.
const std::string& Column(const std::vector<std::string>& row, size_t c) {
  static const std::string kEmpty;
  return c < row.size() ? row[c] : kEmpty;
}

// The stored index is a DWORD; -1 ("none") round-trips as 0xFFFFFFFF.
RegistryTable WithIndex(int index) {
  RegistryTable table;
  table.hasIndex = true;
  table.index = static_cast<uint32_t>(index);
  return table;
}

void ReadIndex(const RegistryTable& table, int* index) {
  if (table.hasIndex) *index = static_cast<int32_t>(table.index);
}

}  // namespace

RegistryTable ListsToTable(const Settings& settings) {
  RegistryTable table = WithIndex(settings.currentListIndex);
  for (const KnownListEntry& list : settings.lists)
    table.rows.push_back({list.name, list.path, NumberText(list.start)});
  return table;
}

void ListsFromTable(const RegistryTable& table, Settings* settings) {
  settings->lists.clear();
  for (const auto& row : table.rows) {
    KnownListEntry list;
    list.name = Column(row, 0);
    list.path = Column(row, 1);
    list.start = static_cast<uint32_t>(std::strtoul(Column(row, 2).c_str(), nullptr, 10));
    settings->lists.push_back(list);
  }
  ReadIndex(table, &settings->currentListIndex);
}

RegistryTable BrowsersToTable(const Settings& settings) {
  RegistryTable table = WithIndex(settings.defaultBrowser);
  for (const BrowserEntry& browser : settings.browsers)
    table.rows.push_back({browser.name, browser.path, browser.ddeService, browser.method});
  return table;
}

void BrowsersFromTable(const RegistryTable& table, Settings* settings) {
  settings->browsers.clear();
  for (const auto& row : table.rows)
    settings->browsers.push_back({Column(row, 0), Column(row, 1), Column(row, 2), Column(row, 3)});
  ReadIndex(table, &settings->defaultBrowser);
}

RegistryTable ExchangeToTable(const Settings& settings) {
  RegistryTable table = WithIndex(settings.exchangeIndex);
  for (const ExchangeEntry& entry : settings.exchangeEntries)
    table.rows.push_back({entry.name, entry.path});
  return table;
}

void ExchangeFromTable(const RegistryTable& table, Settings* settings) {
  settings->exchangeEntries.clear();
  for (const auto& row : table.rows)
    settings->exchangeEntries.push_back({Column(row, 0), Column(row, 1)});
  ReadIndex(table, &settings->exchangeIndex);
}

RegistryTable PresetsToTable(const Settings& settings) {
  RegistryTable table;
  for (const SearchPreset& preset : settings.searchPresets)
    table.rows.push_back({preset.name, preset.match, SearchOptionsText(preset.options)});
  return table;
}

void PresetsFromTable(const RegistryTable& table, Settings* settings) {
  std::vector<SearchPreset> presets;
  for (const auto& row : table.rows) {
    SearchPreset preset;
    preset.name = Column(row, 0);
    preset.match = Column(row, 1);
    ParseSearchOptionsText(Column(row, 2), &preset.options);
    presets.push_back(preset);
  }
  std::vector<SearchPreset> defaults = Settings::DefaultSearchPresets();
  for (size_t i = presets.size(); i < defaults.size(); ++i) presets.push_back(defaults[i]);
  settings->searchPresets = presets;
}
