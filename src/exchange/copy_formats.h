// The bytes of the "Copy as" commands: text and HTML built from the
// selected bookmark or the marked items, and the CF_HTML block for the
// "HTML Format" clipboard data.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// True for the commands whose text also goes out as "HTML Format".
bool IsHtmlCopyCommand(int command);

// Builds the text of a copy command (ID_CMD_COPY_URL ...
// ID_CMD_COPY_MARKED_HTML_TABLE) from the selected item or the marked
// items. False, with text empty, when the command needs a selected
// bookmark and selected is none, or needs marked items and none is marked.
// In the HTML variants titles and addresses are HTML-escaped so that a
// title holding markup stays text where it is pasted.
bool BuildCopyText(BookmarkList& list, int command, uint16_t selected, std::string* text);

// The CF_HTML block: the header with the fragment's true offsets, then the
// HTML converted to UTF-8 and a final CR LF. The offsets are written with
// at least four digits and as many more as they need.
std::string WrapClipboardHtml(std::string_view html);

// The HTML link for drag and drop, address and title escaped (an empty
// title shows the address), wrapped with WrapClipboardHtml.
std::string MakeHtmlLinkClip(std::string_view address, std::string_view title);
