// "1.5 days ago": how long ago a time was, for the details pane and the
// status line.
#pragma once

#include <cstdint>
#include <string>

// Time in seconds since 1970 UTC; empty for times below 1.
std::string RelativeTimeText(uint32_t time);
// The same against a given "now" (for tests and repeated use).
std::string RelativeTimeTextAt(uint32_t time, uint32_t now);
