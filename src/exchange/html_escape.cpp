#include "exchange/html_escape.h"

std::string HtmlEscape(std::string_view text, bool xml) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  char previous = 0;
  for (char c : text) {
    switch (c) {
      case '\r': break;
      case '\n': out += xml ? "\n" : "<br>"; break;
      case ' ': out += !xml && previous == ' ' ? "&nbsp;" : " "; break;
      case '"': out += "&quot;"; break;
      case '&': out += "&amp;"; break;
      case '\'': out += xml ? "&apos;" : "'"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
    previous = c;
  }
  return out;
}
