// Drawing one line of a column list box: colours from the colour table,
// bold lines, separators with centred titles, the note and log-in markers,
// and the overflow bit for the title tips.
#pragma once

#include <windows.h>

#include <cstdint>

#include "settings/settings.h"

// The fixed line height of the column list boxes.
UINT ListLineHeight(HWND dialog);
// lineData may be null (a line without data is drawn as plain text); its
// overflow bit is updated.
void DrawListLine(const DRAWITEMSTRUCT& item, uint32_t* lineData, const Settings& settings);
