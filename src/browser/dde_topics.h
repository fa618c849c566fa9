// The browser DDE interface seen from its client: the topic and item texts
// and the reading of the values a browser answers with. Window-free, so
// that the exact parsing is tested natively.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace browser {

extern const char kTopicOpenUrl[];        // "WWW_OpenURL"
extern const char kTopicListWindows[];    // "WWW_ListWindows"
extern const char kTopicGetWindowInfo[];  // "WWW_GetWindowInfo"

// Every wait for a browser's answer: an initiate and a request each cost a
// silent server at most this long.
constexpr uint32_t kDdeWaitMs = 1000;

// The "WWW_OpenURL" item: the quoted url, an empty file spec, the window
// id in decimal (0 a new window, -1 the last active one), the flags 0 and
// three empty arguments.
std::string OpenUrlItem(const std::string& url, long windowId);

// The "WWW_GetWindowInfo" item for a window id ("-1": the last active).
std::string WindowInfoItem(long windowId);

struct PageInfo {
  std::string url;
  std::string title;
};

// Reads a "WWW_GetWindowInfo" value: a quoted url, a comma and a quoted
// title, possibly followed by more. A backslash-quote pair is dropped, a
// title that is a lone "," is emptied, an Opera caption "Opera - [page]"
// (for the service "opera") becomes "page", and both fields lose blanks,
// tabs and line ends at their ends.
PageInfo ParseWindowInfo(const std::string& value, const std::string& ddeService);

// Reads a "WWW_ListWindows" value: 32-bit window ids (little-endian) up to
// the first 0 or the end. A value of 4 bytes or fewer holds no list.
std::vector<int32_t> ParseWindowIds(const std::string& value);

// A page title as a menu item text: every "&" doubled, so that none
// becomes a mnemonic.
std::string MenuTextOfTitle(const std::string& title);

}  // namespace browser
