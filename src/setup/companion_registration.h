// The companion library "OrvandIE.dll" registers itself as a COM server:
// setup calls its DllRegisterServer after placing the program files, and
// uninstall its DllUnregisterServer before deleting them.
#pragma once

#include <string>

// Loads the library from appFolder (with a trailing backslash) and calls
// its entry point; false when the library or the entry is missing or the
// entry reports a failure. Without the library the program only loses the
// route into browsers that site it.
bool RegisterCompanionLibrary(const std::string& appFolder);
bool UnregisterCompanionLibrary(const std::string& appFolder);
