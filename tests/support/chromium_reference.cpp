#include "support/chromium_reference.h"

#include <cstdint>
#include <nlohmann/json.hpp>

namespace reference {

namespace {

using Json = nlohmann::json;

constexpr int64_t kSecondsFrom1601To1970 = 11644473600;

std::string Text(const Json& node, const char* key) {
  auto found = node.find(key);
  return found != node.end() && found->is_string() ? found->get<std::string>() : std::string();
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Microseconds since 1601 as the export's seconds since 1970 (negative
// before 1970, 0 for no date).
std::string ExportDate(const Json& node) {
  std::string text = Text(node, "date_added");
  uint64_t us = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    us = us > UINT64_MAX / 10 - 1 ? UINT64_MAX : us * 10 + static_cast<unsigned>(c - '0');
  }
  if (us == 0) return "0";
  if (us > static_cast<uint64_t>(INT64_MAX)) return "9223372036854775807";
  return std::to_string(static_cast<int64_t>(us) / 1000000 - kSecondsFrom1601To1970);
}

class Writer {
 public:
  bool comparable = true;
  std::string html;

  void Node(const Json& node, bool isBar) {
    if (!node.is_object()) return;
    std::string type = Text(node, "type");
    if (!isBar && type == "url") {
      std::string url = Text(node, "url");
      if (url.find_first_of("\"&<>") != std::string::npos) comparable = false;
      html += "<DT><A HREF=\"" + url + "\" ADD_DATE=\"" + ExportDate(node) + "\">" +
              Escaped(Text(node, "name")) + "</A>\r\n";
      return;
    }
    if (!isBar && type != "folder") return;
    std::string name = Text(node, "name");
    if (isBar && name.empty()) name = "Bookmarks bar";
    html +=
        "<DT><H3 ADD_DATE=\"" + ExportDate(node) + "\">" + Escaped(name) + "</H3>\r\n<DL><p>\r\n";
    Children(node);
    html += "</DL><p>\r\n";
  }

  void Children(const Json& node) {
    auto children = node.find("children");
    if (children == node.end() || !children->is_array()) return;
    for (const Json& child : *children) Node(child, false);
  }
};

}  // namespace

bool ChromiumHtmlExport(std::string_view json, std::string* html, bool* comparable) {
  Json document = Json::parse(json.begin(), json.end(), nullptr, false);
  if (!document.is_object()) return false;
  auto roots = document.find("roots");
  if (roots == document.end() || !roots->is_object()) return false;
  Writer writer;
  writer.html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<TITLE>Bookmarks</TITLE>\r\n<DL><p>\r\n";
  auto bar = roots->find("bookmark_bar");
  if (bar != roots->end()) writer.Node(*bar, true);
  for (const char* key : {"other", "synced"}) {
    auto root = roots->find(key);
    if (root != roots->end() && root->is_object()) writer.Children(*root);
  }
  writer.html += "</DL><p>\r\n";
  *html = std::move(writer.html);
  *comparable = writer.comparable;
  return true;
}

}  // namespace reference
