// Which keys typed in a modeless dialog reach the accelerators of the
// window that owns it (the main window's keys in its List View and search
// dialogs). Only keys that a dialog and its edit boxes have no use for
// qualify: the function keys (with any modifiers) and Ctrl+Shift
// combinations without Alt. Enter, Esc, Tab, the arrows, Alt+letter
// mnemonics, Ctrl+C/X/V/A/Z and AltGr (Ctrl+Alt) characters all stay with
// the dialog.
#pragma once

#include <windows.h>

// message is WM_KEYDOWN or WM_SYSKEYDOWN for the accelerators to apply.
bool IsKeyForOwnerWindow(UINT message, WPARAM key, bool ctrl, bool shift, bool alt);
// The same for a queued message, with the modifiers read from the thread's
// key state.
bool IsKeyForOwnerWindow(const MSG& msg);
