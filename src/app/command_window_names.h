// The names by which other programs find and talk to the hidden command
// window: a second copy of the program, and the end-to-end tests.
#pragma once

constexpr const char kCommandWindowClass[] = "VELLOXFL";
// A registered message that the command window posts straight back to the
// window named in its wParam, lParam unchanged. Being queued behind every
// message posted before it, its return tells the sender (the end-to-end
// tests) that those have all been handled.
constexpr const char kQueueMarkerMessageName[] = "VELLOXFL QUEUE MARKER";
// The message the tray icon sends the command window (WM_APP + 3), with the
// icon's id in wParam and the mouse message in lParam.
constexpr unsigned kTrayNotifyMessage = 0x8000 + 3;
constexpr unsigned kTrayIconId = 1;
