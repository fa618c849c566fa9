#include "exchange/import_regex.h"

boost::regex ImportPattern(const char* pattern) {
  return boost::regex(pattern, boost::regex::perl | boost::regex::icase | boost::regex::mod_s);
}

bool SearchRange(const boost::regex& pattern, const char* first, const char* last,
                 ImportMatch* match) {
  return boost::regex_search(first, last, *match, pattern);
}
