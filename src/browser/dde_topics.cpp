#include "browser/dde_topics.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "browser/known_browsers.h"

namespace browser {

const char kTopicOpenUrl[] = "WWW_OpenURL";
const char kTopicListWindows[] = "WWW_ListWindows";
const char kTopicGetWindowInfo[] = "WWW_GetWindowInfo";

namespace {

const char kOperaPrefix[] = "Opera - [";
const char kTrimmed[] = " \t\r\n";

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(kTrimmed);
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(kTrimmed);
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string OpenUrlItem(const std::string& url, long windowId) {
  return "\"" + url + "\",," + std::to_string(windowId) + ",0,,,";
}

std::string WindowInfoItem(long windowId) { return std::to_string(windowId); }

PageInfo ParseWindowInfo(const std::string& value, const std::string& ddeService) {
  PageInfo page;
  std::string* field = &page.url;
  // The value may end in a zero byte (text formats usually do).
  const size_t end = std::min(value.size(), std::strlen(value.c_str()));
  for (size_t i = 0; i < end; ++i) {
    const char c = value[i];
    if (c == '\\' && i + 1 < end && value[i + 1] == '"') {
      ++i;  // an escaped quote is dropped with its backslash
      continue;
    }
    if (c == '"') {
      // The quote that closes the url and is followed by a comma starts
      // the title; any other unescaped quote ends the reading.
      if (field == &page.url && i + 1 < end && value[i + 1] == ',' && i > 0) {
        field = &page.title;
        i += 2;  // the comma and the title's opening quote
        continue;
      }
      if (i == 0 && field == &page.url) continue;  // the url's opening quote
      break;
    }
    field->push_back(c);
  }
  if (page.title == ",") page.title.clear();
  const size_t prefix = sizeof kOperaPrefix - 1;
  if (EqualsIgnoringCase(ddeService, "opera") && page.title.compare(0, prefix, kOperaPrefix) == 0)
    page.title = page.title.substr(prefix, page.title.size() - prefix - 1);
  page.url = Trim(page.url);
  page.title = Trim(page.title);
  return page;
}

std::vector<int32_t> ParseWindowIds(const std::string& value) {
  std::vector<int32_t> ids;
  if (value.size() <= 4) return ids;
  for (size_t at = 0; at + 4 <= value.size(); at += 4) {
    uint32_t id = 0;
    for (int b = 3; b >= 0; --b) id = (id << 8) | static_cast<unsigned char>(value[at + b]);
    if (id == 0) break;
    ids.push_back(static_cast<int32_t>(id));
  }
  return ids;
}

std::string MenuTextOfTitle(const std::string& title) {
  std::string text;
  for (char c : title) {
    text.push_back(c);
    if (c == '&') text.push_back('&');
  }
  return text;
}

}  // namespace browser
