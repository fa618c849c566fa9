// The last path used per import source key and per export template id,
// kept as the "Import/Export" entries of the settings (name = the key).
#pragma once

#include <string>

#include "settings/settings.h"

// The path remembered for key; "" when none is.
std::string LastExchangePath(const Settings& settings, const std::string& key);
// Remembers path for key (a key not yet listed is appended) and makes that
// entry the last one used.
void RememberExchangePath(Settings* settings, const std::string& key, const std::string& path);
// The key of the entry used last; "" when none is.
std::string LastExchangeKey(const Settings& settings);
