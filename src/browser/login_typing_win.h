// QuickLogin's keystrokes: a log-in and a password posted as window
// messages to the window that has the keyboard focus in another program
// (nothing goes through the clipboard). "^" in either text stands for Tab.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace browser {

// The window to fill: the foreground window, or, when that belongs to
// this program's thread, the first visible window after it in Z order
// with a caption or border that belongs to another thread, taken as its
// last active pop-up (a log-in dialog rather than its owner). Null when
// there is none.
HWND FindLoginTarget();

// Activates target with this thread's input attached to its thread only
// for the activation and the reading of the focus, waiting delayMs
// between. The window with the keyboard focus (target when none has it),
// or null when that window belongs to this program.
HWND ActivateAndReadFocus(HWND target, uint32_t delayMs);

// One Tab key-down posted to window, then a wait of delayMs.
void PostTab(HWND window, uint32_t delayMs);

// Posts text to window: "^" as PostTab, every other byte as WM_CHAR with
// a repeat count of 1, each followed by a wait of delayMs / 10.
void TypeText(const std::string& text, HWND window, uint32_t delayMs);

// Types login into focus, then, when password is given, moves to the next
// box and types it: in a dialog by WM_NEXTDLGCTL (a Tab when the focus did
// not move), on a web page by a Tab that the page follows itself.
void TypeLogin(HWND focus, const std::string& login, const std::string* password, uint32_t delayMs);

}  // namespace browser
