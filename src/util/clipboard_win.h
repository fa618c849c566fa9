// Putting bytes on the clipboard (Win32 only).
#pragma once

#include <windows.h>

#include <cstddef>

// Opens the clipboard for owner, empties it when emptyFirst, copies the
// bytes into a movable global block and sets it for format. False on any
// failure (the clipboard is closed again).
bool SetClipboardText(UINT format, const void* bytes, size_t length, HWND owner, bool emptyFirst);
