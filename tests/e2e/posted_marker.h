// Waiting for the program to handle what was posted to it: a marker posted
// to its command window comes back to this thread once the program's
// message loop reaches it.
#pragma once

#include <windows.h>

#include "e2e_windows.h"

namespace e2e {

// Waits until the program has handled every message posted to its window
// thread before this call, and the commands those handlers posted in turn
// (the main window and the command window pass commands to each other by
// posting them). False when the time is up or the program ended first.
bool WaitForPostedMessages(DWORD pid, DWORD milliseconds = kWindowTimeout);

}  // namespace e2e
