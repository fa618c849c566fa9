#include "exchange/item_time.h"

#include <ctime>

#include "platform/platform.h"

namespace {

const char* const kFormatNames[] = {"time_unix", "date_iso",   "time_iso",  "date_long",
                                    "time_long", "date_short", "time_short"};
const char* const kPatterns[] = {"", "%Y-%m-%d", "%Y-%m-%dT%H:%M", "%#x", "%#c", "%x", "%c"};

}  // namespace

int ItemTimeFormatIndex(std::string_view name) {
  for (int i = 0; i < 7; ++i)
    if (name == kFormatNames[i]) return i;
  return kTimeUnix;
}

std::string FormatItemTime(uint32_t time, int format) {
  if (time == 0) return {};
  if (format <= kTimeUnix || format > kTimeShort) return std::to_string(time);
  std::tm tm{};
  if (!platform::UtcToLocalTm(time, &tm)) return {};
  return platform::FormatTime(kPatterns[format], tm);
}
