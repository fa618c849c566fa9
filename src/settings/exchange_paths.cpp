#include "settings/exchange_paths.h"

std::string LastExchangePath(const Settings& settings, const std::string& key) {
  for (const ExchangeEntry& entry : settings.exchangeEntries)
    if (entry.name == key) return entry.path;
  return {};
}

void RememberExchangePath(Settings* settings, const std::string& key, const std::string& path) {
  auto& entries = settings->exchangeEntries;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].name != key) continue;
    entries[i].path = path;
    settings->exchangeIndex = static_cast<int>(i);
    return;
  }
  entries.push_back({key, path});
  settings->exchangeIndex = static_cast<int>(entries.size() - 1);
}

std::string LastExchangeKey(const Settings& settings) {
  const auto& entries = settings.exchangeEntries;
  int index = settings.exchangeIndex;
  if (index < 0 || index >= static_cast<int>(entries.size())) return {};
  return entries[static_cast<size_t>(index)].name;
}
