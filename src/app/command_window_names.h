// The names by which other programs find and talk to the hidden command
// window: a second copy of the program, and the end-to-end tests.
#pragma once

constexpr const char kCommandWindowClass[] = "VELLOXFL";
// A registered message that the command window posts straight back to the
// window named in its wParam, lParam unchanged. Being queued behind every
// message posted before it, its return tells the sender (the end-to-end
// tests) that those have all been handled.
constexpr const char kQueueMarkerMessageName[] = "VELLOXFL QUEUE MARKER";
