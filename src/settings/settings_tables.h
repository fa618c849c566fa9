// The numbered lists of the settings ("Lists", "Browsers", "Import/Export",
// "Search Presets") converted to and from their stored table form.
#pragma once

#include "settings/settings.h"
#include "util/registry_table.h"

// Column value names; the first, "", is the entry's name (default value).
constexpr int kListColumnCount = 3;
extern const char* const kListColumns[kListColumnCount];  // "", "Path", "Start"
constexpr int kBrowserColumnCount = 4;
extern const char* const kBrowserColumns[kBrowserColumnCount];  // "", "Path", "DDE", "Method"
constexpr int kExchangeColumnCount = 2;
extern const char* const kExchangeColumns[kExchangeColumnCount];  // "", "Path"
constexpr int kPresetColumnCount = 3;
extern const char* const kPresetColumns[kPresetColumnCount];  // "", "Match", "Options"

RegistryTable ListsToTable(const Settings& settings);
void ListsFromTable(const RegistryTable& table, Settings* settings);
RegistryTable BrowsersToTable(const Settings& settings);
void BrowsersFromTable(const RegistryTable& table, Settings* settings);
RegistryTable ExchangeToTable(const Settings& settings);
void ExchangeFromTable(const RegistryTable& table, Settings* settings);
// Presets have no "index". A preset with unreadable options gets the
// default options; fewer than two stored presets are completed from the
// defaults, since presets 0 and 1 always exist.
RegistryTable PresetsToTable(const Settings& settings);
void PresetsFromTable(const RegistryTable& table, Settings* settings);
