// One running copy per user: the named mutex, the search for the running
// copy's window by the registered message, and the hand-over of the
// command line by WM_COPYDATA.
#pragma once

#include <windows.h>

#include <string>

constexpr const char kInstanceMutexName[] = "VELLOXFL-088FA840-B10D-11D3-BC36-006067709674";
constexpr const char kIAmVelloxMessageName[] = "I AM VELLOXFL";

// The registered message by which a running copy identifies itself; its
// window answers it with the message's own identifier.
UINT IAmVelloxMessage();

// Creates the mutex (kept in *mutex for the whole run). Another copy is
// running when the mutex already existed on both of two attempts 250 ms
// apart; returns true in that case.
bool AnotherInstanceIsRunning(HANDLE* mutex);
// The running copy's window, or null when none answers: every window is
// asked with a 200 ms time-out, then once more with 1.5 s for a busy copy.
HWND FindRunningInstance();
// Brings the running copy forward and hands it the command line (if not
// empty).
void HandOverCommandLine(HWND running, const std::string& commandLine);
