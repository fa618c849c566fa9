// "Vellox Preferences" (516): a tab per page (preference_page.h), "&Done",
// "&Apply" and "&Cancel".
#pragma once

#include <windows.h>

#include "ui/preference_page.h"

// What closed the dialog: nothing more, or the lists page's "&Import ..."
// or "&Export ..." (the File menu's command is the caller's to run).
enum class PreferencesExit { kClosed, kImport, kExport };

// Runs the dialog over owner at page (kPage...). Apply writes the page's
// working copy and tells the host; Done applies and then saves the
// settings with their backup.
PreferencesExit RunPreferencesDialog(HWND owner, int page, PreferencesHost& host);
