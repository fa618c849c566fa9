#include "exchange/html_escape.h"

namespace {

// The replacement of c in the given mode, or nullptr to copy c.
const char* Replacement(char c, char previous, bool xml, size_t* length) {
  switch (c) {
    case '\r':
      *length = 0;
      return "";
    case '\n':
      *length = xml ? 1 : 4;
      return xml ? "\n" : "<br>";
    case ' ':
      if (xml || previous != ' ') return nullptr;
      *length = 6;
      return "&nbsp;";
    case '"':
      *length = 6;
      return "&quot;";
    case '&':
      *length = 5;
      return "&amp;";
    case '\'':
      if (!xml) return nullptr;
      *length = 6;
      return "&apos;";
    case '<':
      *length = 4;
      return "&lt;";
    case '>':
      *length = 4;
      return "&gt;";
    default:
      return nullptr;
  }
}

}  // namespace

std::string HtmlEscape(std::string_view text, bool xml) {
  std::string out;
  out.reserve(text.size() + 16);
  size_t run = 0;  // start of the bytes still to copy
  for (size_t i = 0; i < text.size(); ++i) {
    size_t length = 0;
    const char* replacement = Replacement(text[i], i > 0 ? text[i - 1] : 0, xml, &length);
    if (!replacement) continue;
    out.append(text.data() + run, i - run);
    out.append(replacement, length);
    run = i + 1;
  }
  out.append(text.data() + run, text.size() - run);
  return out;
}
