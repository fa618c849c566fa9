// The registry entries of the companion library: its class as an
// in-process server, and its entry among the browser helper objects.
#pragma once

#include <string>

namespace companion {

// Writes both entries for the library at libraryPath; false when one could
// not be written (setup runs as an administrator).
bool RegisterCompanion(const std::string& libraryPath);
// Removes both entries (absent entries are no failure).
void UnregisterCompanion();

}  // namespace companion
