#include "settings/stored_search_options.h"

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string SearchOptionsText(const StoredSearchOptions& options) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (uint8_t byte : options.bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

bool ParseSearchOptionsText(const std::string& text, StoredSearchOptions* options) {
  if (text.size() != 2 * kSearchOptionsSize) return false;
  StoredSearchOptions parsed;
  for (int i = 0; i < kSearchOptionsSize; ++i) {
    int high = HexDigitValue(text[2 * i]), low = HexDigitValue(text[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    parsed.bytes[i] = static_cast<uint8_t>(high * 16 + low);
  }
  *options = parsed;
  return true;
}
