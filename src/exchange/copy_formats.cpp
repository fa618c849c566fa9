#include "exchange/copy_formats.h"

#include <cstdio>

#include "exchange/html_escape.h"
#include "exchange/template_format.h"
#include "resources/resource.h"

namespace {

std::string Link(std::string_view address, std::string_view title) {
  std::string link = "<a href=\"";
  link += address;
  link += "\">";
  link += title;
  link += "</a>";
  return link;
}

std::string Heading(int level, std::string_view title) {
  std::string n = std::to_string(level + 1);
  return "<h" + n + ">" + std::string(title) + "</h" + n + ">";
}

// One marked item's line (without the CR LF).
std::string MarkedLine(BookmarkList& list, uint16_t index, int command) {
  BookmarkItem record;
  list.DecodeInto(index, true, &record);
  bool bookmark = list.Level(index) == kLevelBookmark;
  switch (command) {
    case ID_CMD_COPY_MARKED_URLS:
      return bookmark ? record.url : record.title;
    case ID_CMD_COPY_MARKED_TITLES_URLS:
      return bookmark ? record.title + "\t" + record.url : record.title;
    default:
      break;
  }
  std::string title = HtmlEscape(record.title, false);
  bool separator = list.TestFlags(index, kFlagSeparator);
  std::string body;
  if (separator)
    body = "<hr>";
  else if (bookmark)
    body = Link(HtmlEscape(record.url, false), title);
  else
    body = Heading(list.Level(index), title);
  if (command == ID_CMD_COPY_MARKED_HTML_TABLE) return "<tr><td>" + body + "</td></tr>";
  if (bookmark && !separator) return "<p>" + body + "</p>";
  return body;
}

bool BuildMarkedText(BookmarkList& list, int command, std::string* text) {
  bool any = false;
  if (command == ID_CMD_COPY_MARKED_HTML_TABLE) *text = "<table>\r\n";
  for (uint16_t index = list.Next(kRootIndex, true); index != kRootIndex;
       index = list.Next(index, true)) {
    if (!list.TestFlags(index, kFlagMarked)) continue;
    any = true;
    *text += MarkedLine(list, index, command);
    *text += "\r\n";
  }
  if (command == ID_CMD_COPY_MARKED_HTML_TABLE) *text += "</table>\r\n";
  if (!any) text->clear();
  return any;
}

bool BuildSelectedText(BookmarkList& list, int command, uint16_t selected, std::string* text) {
  if (selected == 0 || !list.IsIndex(selected) || list.Level(selected) != kLevelBookmark ||
      list.TestFlags(selected, kFlagSeparator))
    return false;
  BookmarkItem record;
  list.DecodeInto(selected, true, &record);
  if (command == ID_CMD_COPY_URL)
    *text = record.url;
  else if (command == ID_CMD_COPY_TITLE_URL)
    *text = record.title + "\t" + record.url;
  else
    *text = Link(HtmlEscape(record.url, false), HtmlEscape(record.title, false));
  return true;
}

}  // namespace

bool IsHtmlCopyCommand(int command) {
  return command == ID_CMD_COPY_HTML_LINK || command == ID_CMD_COPY_MARKED_HTML_LIST ||
         command == ID_CMD_COPY_MARKED_HTML_TABLE;
}

bool BuildCopyText(BookmarkList& list, int command, uint16_t selected, std::string* text) {
  text->clear();
  switch (command) {
    case ID_CMD_COPY_URL:
    case ID_CMD_COPY_TITLE_URL:
    case ID_CMD_COPY_HTML_LINK:
      return BuildSelectedText(list, command, selected, text);
    case ID_CMD_COPY_MARKED_URLS:
    case ID_CMD_COPY_MARKED_TITLES_URLS:
    case ID_CMD_COPY_MARKED_HTML_LIST:
    case ID_CMD_COPY_MARKED_HTML_TABLE:
      return BuildMarkedText(list, command, text);
    default:
      return false;
  }
}

std::string WrapClipboardHtml(std::string_view html) {
  std::string fragment = AnsiByteUtf8Table().Convert(html);
  // The offsets' widths change the header's length, which is the start
  // offset: repeat until the numbers written are the numbers meant.
  char header[160];
  size_t start = 0;
  for (;;) {
    size_t end = start + fragment.size();
    int length = std::snprintf(header, sizeof header,
                               "Version:1.0\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:%.4u\r\n"
                               "EndFragment:%.4u\r\n",
                               static_cast<unsigned>(start), static_cast<unsigned>(end));
    if (static_cast<size_t>(length) == start) break;
    start = static_cast<size_t>(length);
  }
  return header + fragment + "\r\n";
}

std::string MakeHtmlLinkClip(std::string_view address, std::string_view title) {
  std::string escapedAddress = HtmlEscape(address, false);
  std::string escapedTitle = title.empty() ? escapedAddress : HtmlEscape(title, false);
  return WrapClipboardHtml(Link(escapedAddress, escapedTitle));
}
